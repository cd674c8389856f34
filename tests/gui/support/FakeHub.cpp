#include "gui/support/FakeHub.h"

namespace orvane {

void FakeHub::record(const QString& call) {
    calls << call;
    if (onCall) onCall(call);
}

void FakeHub::setConfigFile(const QByteArray& bytes) {
    ed.Config = ConfigTable::parse(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

QByteArray FakeHub::configFile() const {
    const std::vector<uint8_t> b = ed.Config.serialize();
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

void FakeHub::Global_KeyDown(int keyCode, int shift) {
    record(QString("Global_KeyDown(%1,%2)").arg(keyCode).arg(shift));
}
void FakeHub::Update_Block(int block) {
    record(QString("Update_Block(%1)").arg(block));
}
void FakeHub::Update_StrBlock(int str, int quarter) {
    record(QString("Update_StrBlock(%1,%2)").arg(str).arg(quarter));
}
void FakeHub::Update_Enemies(int screen) {
    record(QString("Update_Enemies(%1)").arg(screen));
}

void FakeHub::Update_ScrnStr(int strY, int strX) {
    record(QString("Update_ScrnStr(%1,%2)").arg(strY).arg(strX));
}
void FakeHub::Update_BGPal(int upd, int animcl) {
    record(QString("Update_BGPal(%1,%2)").arg(upd).arg(animcl));
}
void FakeHub::paletteEdited(PaletteChange change) {
    record(change == PaletteChange::Colours ? "paletteEdited(Colours)"
                                            : "paletteEdited(Animations)");
}
void FakeHub::ScrollEffectLoad(int section) {
    record(QString("ScrollEffectLoad(%1)").arg(section));
}

void FakeHub::setPaletteAnimationRunning(bool on) {
    paletteAnimationRunning = on;
    record(QString("setPaletteAnimationRunning(%1)").arg(on ? 1 : 0));
}

QString FakeHub::windowName(WindowId id) {
    switch (id) {
    case WindowId::PalEd:
        return "PalEd";
    case WindowId::TileTable:
        return "TileTable";
    case WindowId::TSATable:
        return "TSATable";
    case WindowId::StrTable:
        return "StrTable";
    case WindowId::ScreenEd:
        return "ScreenEd";
    case WindowId::EnemEd:
        return "EnemEd";
    case WindowId::MiscEd:
        return "MiscEd";
    case WindowId::Config:
        return "Config";
    case WindowId::DumpRes:
        return "DumpRes";
    case WindowId::PalChart:
        return "PalChart";
    case WindowId::LevelMap:
        return "LevelMap";
    }
    return "?";
}

void FakeHub::openWindow(WindowId id) {
    record("openWindow(" + windowName(id) + ")");
}

QString FakeHub::GetConfigText(const QString& key) {
    const auto value = ed.Config.text(key.toStdString());
    if (!value) {
        message("Cant find config ID: " + key);
        return QString();
    }
    return QString::fromStdString(*value);
}

double FakeHub::GetConfigNumber(const QString& key) {
    const auto value = ed.Config.number(key.toStdString());
    if (!value) {
        message("Cant find config ID: " + key);
        return 0;
    }
    return *value;
}

// The real hub rewrites the file after every set, found or not; the record stands for
// that write.
void FakeHub::SetConfigText(const QString& key, const QString& value) {
    if (!ed.Config.setText(key.toStdString(), value.toStdString()))
        message("Cant set config ID: " + key);
    record(QString("SetConfigText(%1,%2)").arg(key, value));
}

void FakeHub::SetConfigNumber(const QString& key, double value) {
    if (!ed.Config.setNumber(key.toStdString(), value)) message("Cant set config ID: " + key);
    record(QString("SetConfigNumber(%1,%2)")
               .arg(key, QString::fromStdString(formatConfigNumber(value))));
}

} // namespace orvane
