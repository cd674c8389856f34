// Start-up sequence and configuration access of the main window.
#include "gui/app/Orvane_Main.h"

#include <QCoreApplication>
#include <QDir>
#include <QInputDialog>
#include <QTimer>

#include "core/app/EditModeAnswer.h"
#include "core/app/FileIO.h"
#include "core/app/InesHeader.h"
#include "core/render/Colours.h"
#include "core/resdata/Assembler.h"
#include "core/resdata/LayoutParams.h"
#include "gui/app/EditorStatusBar.h"
#include "gui/app/clsDialog.h"

namespace orvane {

namespace {

constexpr const char* kConfigFile = "orvane.cfg";

std::string local(const QString& s) {
    return s.toLocal8Bit().toStdString();
}

} // namespace

QString Orvane_Main::homePath(const QString& name) const {
    return QString::fromStdString(resolveInDir(local(m_home), local(name)));
}

bool Orvane_Main::fail(const QString& text, int code) {
    message(text);
    m_exitCode = code;
    return false;
}

bool Orvane_Main::startUp() {
    m_palAnimT->stop();

    // A ROM named on the command line is relative to where the user started the program,
    // not to the program's folder, which becomes the working directory below.
    if (m_options.rom) m_options.rom = QFileInfo(*m_options.rom).absoluteFilePath();

    // Everything named relative to the program lives in its folder (or --home).
    m_home = m_options.home ? QDir(*m_options.home).absolutePath()
                            : QCoreApplication::applicationDirPath();
    m_ed.HomeDir = local(m_home);
    QDir::setCurrent(m_home);

    if (!loadConfig()) return false;
    ReloadNESPAL();
    if (!askEditMode()) return false;
    if (!pickRom()) return false;

    log("Opened \"" + QString::fromStdString(m_ed.RomPath) + "\"");
    log(QString("Editing mode: Megaman %1").arg(m_ed.EditMode + 3));
    log("--");

    QDir::setCurrent(m_home); // the dialog may have moved it
    if (!assembleResources()) return false;
    if (!readRom()) return false;

    setFixedColours(m_ed);
    m_ed.RomParams.resolveAbsolute(*m_ed.Res);
    GetMMCols();
    m_ed.CurLevel = 0;
    Update_Level();

    if (GetConfigNumber("palanim") != 0) m_palAnimT->start();
    return true;
}

bool Orvane_Main::loadConfig() {
    const QString path = homePath(kConfigFile);
    const auto bytes = readWholeFile(local(path));
    if (!bytes) return fail("Cannot read the configuration file \"" + path + "\".");
    m_ed.Config = ConfigTable::parse(*bytes);
    return true;
}

bool Orvane_Main::askEditMode() {
    QString answer;
    if (m_options.mode) {
        answer = *m_options.mode;
    } else {
        bool ok = false;
        answer =
            QInputDialog::getText(this, "Orvane", "Input Editing Mode ('mm3', 'mm4' or 'mm5').",
                                  QLineEdit::Normal, QString(), &ok);
        if (!ok) answer.clear();
    }
    m_ed.EditMode = editModeFromAnswer(local(answer));
    return true;
}

bool Orvane_Main::pickRom() {
    QString path;
    if (m_options.rom) {
        path = QFileInfo(*m_options.rom).absoluteFilePath();
    } else {
        clsDialog dialog;
        path = dialog.ShowOpen(this, QString("Select Megaman %1 ROM").arg(m_ed.EditMode + 3),
                               QString(), "nes roms (*.nes)|*.nes|all files (*.*)|*.*",
                               kOfnHideReadOnly | kOfnFileMustExist | kOfnLongNames);
    }
    if (path.isEmpty()) {
        m_exitCode = 0; // Cancel ends the program quietly, touching no file
        return false;
    }
    m_ed.RomPath = local(path);
    return true;
}

bool Orvane_Main::assembleResources() {
    const QString datfile = GetConfigText("datfile");
    if (datfile.isEmpty())
        return fail("No resource data file is configured: \"datfile\" is missing from \"" +
                    homePath(kConfigFile) + "\".");
    const QString path = homePath(datfile);
    const auto source = readWholeFile(local(path));
    if (!source) return fail("Cannot read the resource data file \"" + path + "\".");
    const AssemblyResult result = assembleSource(
        *source, *m_ed.Res, [this](const std::string& line) { log(QString::fromStdString(line)); });
    if (!result.ok)
        return fail(QString("Resource data file \"%1\", line %2: %3.")
                        .arg(path)
                        .arg(result.line)
                        .arg(QString::fromStdString(result.error)));
    return true;
}

bool Orvane_Main::readRom() {
    const auto bytes = readWholeFile(m_ed.RomPath);
    if (!bytes)
        return fail("Cannot read the ROM file \"" + QString::fromStdString(m_ed.RomPath) + "\".");
    m_ed.RomImage.assign(*bytes);
    // From here on every change of the image is recorded, and the caption and the Edit
    // menu follow the history.
    m_ed.RomImage.startHistory();
    m_ed.RomImage.setHistoryListener([this] { historyChanged(); });
    historyChanged();
    m_status->showDocument(romFileName(), m_ed.EditMode);

    // The file opens whatever it holds; a header that does not fit the game is worth a
    // warning, since editing another game's ROM goes wrong quietly.
    const std::string mismatch = inesHeaderMismatch(*bytes, m_ed.EditMode);
    if (!mismatch.empty()) {
        const QString warning = "Warning: \"" + QString::fromStdString(m_ed.RomPath) + "\" " +
                                QString::fromStdString(mismatch) + ".";
        log(warning);
        m_status->announce(warning);
    }
    return true;
}

// ---- configuration ---------------------------------------------------------------

QString Orvane_Main::GetConfigText(const QString& key) {
    const auto value = m_ed.Config.text(local(key));
    if (!value) {
        message("Cant find config ID: " + key);
        return QString();
    }
    return QString::fromLocal8Bit(value->c_str());
}

double Orvane_Main::GetConfigNumber(const QString& key) {
    const auto value = m_ed.Config.number(local(key));
    if (!value) {
        message("Cant find config ID: " + key);
        return 0;
    }
    return *value;
}

void Orvane_Main::SetConfigText(const QString& key, const QString& value) {
    if (!m_ed.Config.setText(local(key), local(value))) message("Cant set config ID: " + key);
    writeConfig();
}

void Orvane_Main::SetConfigNumber(const QString& key, double value) {
    if (!m_ed.Config.setNumber(local(key), value)) message("Cant set config ID: " + key);
    writeConfig();
}

void Orvane_Main::writeConfig() {
    QDir::setCurrent(m_home);
    const QString path = homePath(kConfigFile);
    if (!writeFileAtomically(local(path), m_ed.Config.serialize()))
        message("Cannot write the configuration file \"" + path + "\".");
}

} // namespace orvane
