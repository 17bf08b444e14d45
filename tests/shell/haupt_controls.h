// The main window's controls for tests and benchmarks, found by their object names.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "shell/haupt.h"
#include "support/helpers.h"
#include "ui/widgets/result_list.h"

namespace vondrik::test {

// Only the client area is searched: the dialogs and the editor are children of the main
// window too and have controls of the same names.
template <class T>
T* control(const Haupt& haupt, const char* name) {
    return child<T>(haupt.centralWidget(), QLatin1String(name));
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
inline QGroupBox* Frame2(const Haupt& h) {
    return control<QGroupBox>(h, "Frame2");
}
inline QCheckBox* Check1(const Haupt& h) {
    return control<QCheckBox>(h, "Check1");
}

}  // namespace vondrik::test
