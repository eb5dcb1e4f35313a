#pragma once

// Colour numbers of the design: 0x00BBGGRR, or 0xFF0000nn for system colour nn.
namespace color {
inline constexpr unsigned None = 0xFFFFFFFFu; // "not set": the kind's own colour

inline constexpr unsigned Black = 0x000000;
inline constexpr unsigned Red = 255;
inline constexpr unsigned Blue = 0xFF0000;
inline constexpr unsigned Fuchsia = 0xFF00FF;
inline constexpr unsigned White = 0xFFFFFF;
inline constexpr unsigned Purple = 0x800080;
inline constexpr unsigned SkyBlue = 0xF0CAA6;

inline constexpr unsigned ScrollBar = 0xFF000000;
inline constexpr unsigned Window = 0xFF000005;
inline constexpr unsigned WindowText = 0xFF000008;
inline constexpr unsigned InactiveBorder = 0xFF00000B;
inline constexpr unsigned ButtonFace = 0xFF00000F;
inline constexpr unsigned GrayText = 0xFF000011;
inline constexpr unsigned InactiveCaptionText = 0xFF000013;
inline constexpr unsigned HotLight = 0xFF00001A;
inline constexpr unsigned GradientActiveCaption = 0xFF00001B;
inline constexpr unsigned MenuBar = 0xFF00001E;
} // namespace color
