// The Screen Editor's scroll-map controls: the detailed fields that edit the current
// section byte, and the simple mode that gives each screen a direction and rebuilds the
// whole map from them.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "core/app/Editor.h"
#include "core/mapedit/ScrollEntry.h"
#include "gui/app/Hub.h"
#include "gui/app/QuietControls.h"
#include "gui/mapedit/ScreenEd.h"
#include "gui/mapedit/SpinButton.h"

namespace orvane {

void ScreenEd::SimpleModeLayout() {
    const bool simple = m_simplEd->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_stLab, m_sttb, m_stud, m_slenLab, m_slentb, m_slenud})
        w->setVisible(!simple);
    for (QWidget* w : std::initializer_list<QWidget*>{m_dirLab, m_dirList, m_splitSw})
        w->setVisible(simple);
    for (int which = 0; which < 2; ++which) {
        const int y = (simple ? 192 : 144) + 24 * which;
        m_settingLab[which]->move(m_settingLab[which]->x(), y);
        m_settingTB[which]->move(m_settingTB[which]->x(), y);
        m_settingUD[which]->move(m_settingUD[which]->x(), y);
    }
}

void ScreenEd::ShowScrollEntry() {
    const Editor& e = ed();
    const int b = e.byte(scrollEntryPosition(e));
    SetTextQuiet(m_sttb, QString::fromStdString(scrollTypeText(e.EditMode, b)));
    SetTextQuiet(m_slentb, QString::fromStdString(scrollLengthText(e.EditMode, b)));
    m_scrollInfLab->setText(QString::fromLatin1(scrollSummary(e).c_str()));
}

void ScreenEd::showDirectionAndSplit() {
    {
        TagGuard quiet(m_dirList, "=D");
        m_dirList->setCurrentRow(shownDirection(ed()));
    }
    TagGuard quiet(m_splitSw, "=D");
    m_splitSw->setChecked(shownSplit(ed()));
}

// ---- detailed mode ---------------------------------------------------------------------

// A type change moves no screen into another section, so only the fields and the
// summary are refreshed; a length change does, so the main window walks the map again.

void ScreenEd::STTB_Change() {
    if (hasTag(m_sttb)) return;
    setCurrentScrollType(ed(), typedScrollType(ed().EditMode, m_sttb->text().toStdString()));
    ShowScrollEntry();
}

void ScreenEd::STUD_Step(int delta) {
    stepCurrentScrollType(ed(), delta);
    ShowScrollEntry();
}

void ScreenEd::SLenTB_Change() {
    if (hasTag(m_slentb)) return;
    setCurrentScrollLength(ed(), typedScrollLength(m_slentb->text().toStdString()));
    m_hub.Update_Scrn();
}

void ScreenEd::SLenUD_Step(int delta) {
    stepCurrentScrollLength(ed(), delta);
    m_hub.Update_Scrn();
}

// ---- simple mode -------------------------------------------------------------------------

void ScreenEd::DirList_Click() {
    if (hasTag(m_dirList)) return;
    const int dir = m_dirList->currentRow();
    if (dir < 0) return;
    const int screen = ed().CurScrn;
    int before = kDirUp;
    rebuildScrollMap(
        [&](ScreenLists& l) {
            before = l.dir(screen);
            l.setDir(screen, dir);
        },
        [&](ScreenLists& l) { l.setDir(screen, before); });
}

// Ticking the switch starts a new right section at the current screen; clearing it
// removes the mark, so a split set by mistake can be taken back.
void ScreenEd::SplitSw_Click(bool checked) {
    if (hasTag(m_splitSw)) return;
    const int screen = ed().CurScrn;
    bool before = false;
    rebuildScrollMap(
        [&](ScreenLists& l) {
            before = l.split(screen);
            l.setSplit(screen, checked);
        },
        [&](ScreenLists& l) { l.setSplit(screen, before); });
}

void ScreenEd::rebuildScrollMap(const std::function<void(ScreenLists&)>& change,
                                const std::function<void(ScreenLists&)>& undo) {
    Editor& e = ed();
    ScrollMapDecode(e, m_lists);
    // A screen the map does not reach (or an empty map) has no direction to change.
    if (e.CurScrn < 0 || e.CurScrn >= m_lists.ScreenTotal) {
        showDirectionAndSplit();
        return;
    }
    change(m_lists);
    const EncodeResult result = ScrollMapEncode(e, m_lists);
    if (result.status == EncodeStatus::TooManySections) {
        undo(m_lists);
        showDirectionAndSplit();
        m_hub.message(QString("The scroll map would need %1 sections, but it holds at most %2. "
                              "The scroll map was not changed.")
                          .arg(result.sections)
                          .arg(ScreenLists::kMaxSections));
        return;
    }
    // The sections moved: the main window finds the current screen's section again, so
    // the settings fields edit the section the screen now lies in.
    m_hub.Update_Scrn();
}

} // namespace orvane
