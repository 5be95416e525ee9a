#include "shell/window_directory.h"

#include "agents/form9_agent_learn.h"
#include "library/form2_library.h"
#include "shell/form5_small.h"
#include "shell/form6_main.h"
#include "shell/form7_login.h"
#include "shell/form_registry.h"
#include "shell/navigation.h"
#include "study/form1_review.h"
#include "study/form3_consolidation.h"
#include "study/form8_first_learn.h"

namespace tawen {

namespace {

template <class F>
QWidget& reference() {
    return forms().form<F>();
}

}  // namespace

void registerWindows() {
    // The error table joins this order in its place (4) as it is built.
    forms().setMainWindow<Form6, Form1, Form2, Form3, Form5, Form7, Form8, Form9>();
    registerMainMenus([] {
        const Form6& main = forms().form<Form6>();
        return MainMenus{main.mnuuser, main.mnutool, main.mnuhelp};
    });
    registerModeWindow(Mode::Library, &reference<Form2>);
    registerModeWindow(Mode::FirstLearn, &reference<Form8>);
    registerModeWindow(Mode::Review, &reference<Form1>);
    registerModeWindow(Mode::Consolidation, &reference<Form3>);
    registerModeWindow(Mode::Small, &reference<Form5>);
    registerModeWindow(Mode::Agent, &reference<Form9>);
}

}  // namespace tawen
