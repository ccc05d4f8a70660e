#pragma once

namespace vistagon::gui {

// The commands the main frame routes to the active window.
enum class Command {
    Save,
    SaveAs,
    Print,
    PrintPreview,
    Copy,
    Paste,
    FirstToLast,
    LastToFirst,
    CalculatePreview,
    CalculateRaw,
    CalculateFinal,
    StopRendering,
    ZoomIn,
    ZoomOut,
    ZoomOneToOne,
    Apply,
    ImportTrack,
    FlightPlan,
};

// The four kinds of child window, each with its own menu.
enum class WindowKind { Scene, Image, PathEditor, Rendering, FlightPlan };

}  // namespace vistagon::gui
