// The main window's controls for tests and benchmarks, found by their object names.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "search/result_list_actions.h"
#include "search/statistics_frame.h"
#include "shell/haupt.h"
#include "shell/picture_chooser.h"
#include "shell/sound_panel.h"
#include "ui/widgets/result_list.h"

namespace vondrik::test {

// The main window's controls by their object names. Only its client area is searched: the
// dialogs and the editor are its children too and have controls of the same names.
template <class T>
T* control(const Haupt& haupt, const char* name) {
    return haupt.centralWidget()->findChild<T*>(QLatin1String(name));
}
inline ResultList* List1(const Haupt& h) {
    return control<ResultList>(h, "List1");
}
inline QLineEdit* Text1(const Haupt& h) {
    return control<QLineEdit>(h, "Text1");
}
inline QLineEdit* Text17(const Haupt& h) {
    return control<QLineEdit>(h, "Text17");
}
inline QLabel* Image1(const Haupt& h) {
    return control<QLabel>(h, "Image1");
}
inline QLabel* Label2(const Haupt& h) {
    return control<QLabel>(h, "Label2");
}
inline QGroupBox* Frame1(const Haupt& h) {
    return control<QGroupBox>(h, "Frame1");
}
inline QGroupBox* Frame2(const Haupt& h) {
    return control<QGroupBox>(h, "Frame2");
}
inline QCheckBox* Check1(const Haupt& h) {
    return control<QCheckBox>(h, "Check1");
}
inline StatisticsFrame* Frame7(const Haupt& h) {
    return control<StatisticsFrame>(h, "Frame7");
}
inline PictureChooser* Frame6(const Haupt& h) {
    return control<PictureChooser>(h, "Frame6");
}
inline SoundPanel* Frame8(const Haupt& h) {
    return control<SoundPanel>(h, "Frame8");
}
inline ResultListActions* listActions(const Haupt& h) {
    return control<ResultListActions>(h, "ResultListActions");
}

}  // namespace vondrik::test
