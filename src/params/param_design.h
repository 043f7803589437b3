#pragma once

#include <cstdint>

#include "state/plot_state.h"
#include "state/twip_rect.h"

namespace vestrano {

// The parameter window: designed client area 3885 x 915.
inline constexpr TwipRect kParaClient{0, 0, 3885, 915};
inline constexpr TwipRect kParaLower{0, 0, 2055, 195};     // Text1, left-aligned
inline constexpr TwipRect kParaUpper{2040, 0, 1815, 195};  // Text2, right-aligned
inline constexpr TwipRect kParaBar{0, 240, 3855, 255};     // HScroll1: 0..1000, steps 1 and 10
inline constexpr TwipRect kParaValue{30, 555, 3255, 300};  // Text3, bold 8.25 pt, centred
inline constexpr TwipRect kParaClock{3495, 555, 360, 330}; // Image1
inline constexpr int kParaHelpContext = 23;
inline constexpr const char* kParamTextTip =
    "Anklicken, Wert eintippen und mit Eingabetaste bestätigen";
inline constexpr const char* kParamTimerTip =
    "Rechte Maustaste: Einstellungen  -  linke Maustaste: Timer an / aus";

// The timer dialog: designed client area 3885 x 1260, fixed border.
inline constexpr TwipRect kDialogClient{0, 0, 3885, 1260};
inline constexpr TwipRect kDialogModeLabel{120, 120, 1695, 255};
inline constexpr TwipRect kDialogModes{1800, 120, 2055, 315};
inline constexpr TwipRect kDialogStepLabel{120, 480, 1935, 375};
inline constexpr TwipRect kDialogStep{1800, 480, 2055, 285};
inline constexpr TwipRect kDialogOk{2640, 840, 1215, 375};
inline constexpr TwipRect kDialogCancel{1320, 840, 1215, 375};
inline constexpr const char* kDialogModeText = "Art der Veränderung:";
inline constexpr const char* kDialogStepText = "Schrittweite pro Takt:";
inline constexpr const char* kDialogOkText = "OK";
inline constexpr const char* kDialogCancelText = "Abbrechen";

// The parameter list window "Parameter:": designed client area 1650 x 4140.
inline constexpr TwipRect kListClient{0, 0, 1650, 4140};
inline constexpr TwipRect kListButton{0, 15, 1575, 320}; // Command1
inline constexpr TwipRect kListRows{0, 360, 1575, 3660}; // List1
inline constexpr const char* kListCaption = "Parameter:";
inline constexpr uint32_t kListColor = rgb(192, 255, 255); // light cyan
inline constexpr int kListMinHeight = 1100;

} // namespace vestrano
