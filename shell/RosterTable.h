#pragma once

// The windows of the program, one row each, in the order they are created at start-up (the splash window comes
// before them all and is not listed). X(class, name): the window's class and its name, which also names its
// phrase file and its typed accessor in Roster. A window joins the program with its row here and the include of
// its header in RosterWindows.cpp.
// clang-format off
#define QOR_ROSTER(X)                       \
    X(TFormMenue, FormMenue)                \
    X(TFormFindWord, FormFindWord)          \
    X(TFormKarto, FormKarto)                \
    X(TFormKartoSet, FormKartoSet)          \
    X(TFormKartoResult, FormKartoResult)    \
    X(TFormUgol, FormUgol)                  \
    X(TFormShultz, FormShultz)              \
    X(TFormShultzSet, FormShultzSet)        \
    X(TFormRead, FormRead)                  \
    X(TFormReaSet, FormReaSet)              \
    X(TMetronom, Metronom)                  \
    X(TFormMetronomSet, FormMetronomSet)    \
    X(TFormUgolSet, FormUgolSet)            \
    X(TFormHelp, FormHelp)                  \
    X(TFormSettings, FormSettings)
// clang-format on
