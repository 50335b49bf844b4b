#pragma once

// Shown in the task bar and as the caption of the general error box.
inline constexpr const char* AnwendungsTitel = "Scheibwart v1.0";
