#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test but the long
# ones (ctest -L long runs those); then runs the Qt-backend tests again on X displays with a
# window manager (ctest -L desktop), where activation and focus come from the window manager as
# on a user's desktop, and the window-manager tests a third time under xfwm4, which orders its
# geometry and state changes otherwise than openbox; then builds the libFuzzer targets with
# clang in a folder of their own (optimised, with the sanitizers), so that a compile error in
# one, or in code that only clang refuses, fails the run. The fuzzers themselves are not run here.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" build-test -DCMAKE_BUILD_TYPE=Debug -DQARVO_SANITIZE=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir "$top/build-test" --output-on-failure -j "$(nproc)" -LE "long|desktop"
"$top/scripts/desktop-tests.sh" "$top/build-test" "$(nproc)"
# The main window, the popups, the sheets and the bars.
wm_tests="^desktop:([A-Za-z0-9_]+/)?(QtMainWindowTest|QtFramesTest|QtActivationTest|QtOwnedWindowsTest|\
QtDialogTest|ResizableDialogTest|PopupActivationQtTest|AnalogSliderDlgTest|QtTipWindowsTest|BalloonTipQtTest|\
SimulationWindowsQtTest|MsgTextDisplayQtTest|ModelessSheet|ModalSheetTest|QtPropertySheetKeysTest|\
SizingBarTest|BarDragTest|SimBarsQtTest|InfoWindowOnScreen)\."
"$top/scripts/desktop-tests.sh" --wm xfwm4 "$top/build-test" "$(nproc)" -R "$wm_tests"
CXX=clang++ cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DQARVO_FUZZ=ON -DQARVO_TESTS=OFF
cmake --build "$top/build-fuzz" --target fuzzers
