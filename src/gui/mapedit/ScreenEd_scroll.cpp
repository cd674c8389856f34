// The Screen Editor's scroll-map controls: the detailed fields that edit the current
// section byte, and the simple mode that gives each screen a direction and rebuilds the
// whole map from them.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

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
    const LevelTables tables = m_ed.tables();
    const int b = tables.scrollEntry(m_ed.CurSection);
    SetTextQuiet(m_sttb, QString::fromStdString(scrollTypeText(m_ed.EditMode, b)));
    SetTextQuiet(m_slentb, QString::fromStdString(scrollLengthText(m_ed.EditMode, b)));
    m_scrollInfLab->setText(QString::fromLatin1(scrollSummary(tables, m_ed.CurSection).c_str()));
}

void ScreenEd::showDirectionAndSplit() {
    const LevelTables tables = m_ed.tables();
    {
        const QSignalBlocker quiet(m_dirList);
        m_dirList->setCurrentRow(shownDirection(tables, m_ed));
    }
    const QSignalBlocker quiet(m_splitSw);
    m_splitSw->setChecked(shownSplit(tables, m_ed));
}

// ---- detailed mode ---------------------------------------------------------------------

// A type change moves no screen into another section, so only the fields and the
// summary are refreshed; a length change does, so the main window walks the map again.

void ScreenEd::STTB_Change() {
    const int type = typedScrollType(m_ed.EditMode, m_sttb->text().toStdString());
    const Change change = setScrollType(m_ed, m_ed.CurSection, type);
    ShowScrollEntry();
    m_hub.changed(change);
}

void ScreenEd::STUD_Step(int delta) {
    const Change change = stepScrollType(m_ed, m_ed.CurSection, delta);
    ShowScrollEntry();
    m_hub.changed(change);
}

void ScreenEd::SLenTB_Change() {
    const int length = typedScrollLength(m_slentb->text().toStdString());
    m_hub.changed(setScrollLength(m_ed, m_ed.CurSection, length));
}

void ScreenEd::SLenUD_Step(int delta) {
    m_hub.changed(stepScrollLength(m_ed, m_ed.CurSection, delta));
}

// ---- simple mode -------------------------------------------------------------------------

void ScreenEd::DirList_Click() {
    const int dir = m_dirList->currentRow();
    if (dir < 0) return;
    scrollMapEdited(setScreenDirection(m_ed, m_lists, m_ed.CurScrn, dir));
}

void ScreenEd::SplitSw_Click(bool checked) {
    scrollMapEdited(setScreenSplit(m_ed, m_lists, m_ed.CurScrn, checked));
}

void ScreenEd::scrollMapEdited(const ScrollMapEdit& edit) {
    switch (edit.outcome) {
    case ScrollMapEdit::Unreached:
        showDirectionAndSplit();
        break;
    case ScrollMapEdit::TooManySections:
        showDirectionAndSplit();
        m_hub.message(QString("The scroll map would need %1 sections, but it holds at most %2. "
                              "The scroll map was not changed.")
                          .arg(edit.sections)
                          .arg(ScreenLists::kMaxSections));
        break;
    case ScrollMapEdit::Rebuilt:
        // The sections moved: the main window finds the current screen's section again, so
        // the settings fields edit the section the screen now lies in.
        m_hub.changed(edit.change);
        break;
    }
}

} // namespace orvane
