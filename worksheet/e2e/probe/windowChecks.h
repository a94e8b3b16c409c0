// Checks of the worksheet window itself: where it is, what its edit pane
// holds and what its face shows. Each returns the probe's exit code: 0 when
// the check held within the timeout, 1 otherwise.
#ifndef WORVANE_PROBE_WINDOW_CHECKS_H
#define WORVANE_PROBE_WINDOW_CHECKS_H

#include "probeOptions.h"

// window: prints the worksheet's geometry once it exists:
//   window X Y W H / client X Y W H / pane L T R B / line-height N
int printWindow(const probeOptions& options);
// expect-size W H, expect-position X Y
int expectSize(const probeOptions& options);
int expectPosition(const probeOptions& options);
// expect-size-change W H: the window is no longer W by H.
int expectSizeChange(const probeOptions& options);
// expect-pane TEXT, set-pane TEXT
int expectPane(const probeOptions& options);
int setPane(const probeOptions& options);
// expect-pane-focus: the edit pane has the keyboard focus, as the caret in
// it shows a person before typing.
int expectPaneFocus(const probeOptions& options);
// expect-sheet TEXT..., expect-face TEXT...: every text shown on the sheet
// since the program started, oldest first.
int expectSheet(const probeOptions& options);
int expectFace(const probeOptions& options);
// expect-gone: the worksheet window no longer exists.
int expectGone(const probeOptions& options);
// close: asks the worksheet window to close, as Alt+F4 does.
int closeWorksheet(const probeOptions& options);

// time-line LINE: puts the line into the edit pane, sends it Return as the
// keyboard does, and prints "answered-us N", the microseconds until the pane
// is cleared, which happens once the answer is on the sheet.
int timeLine(const probeOptions& options);

#endif
