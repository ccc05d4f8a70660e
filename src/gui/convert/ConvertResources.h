#pragma once

#include "CConvertDialog.h"

namespace vistagon::gui {

// The file dialog settings the converter dialogs share.
inline const QString kTgaFilter = QStringLiteral("TGA files (*.tga)|*.tga|All files (*.*)|*.*||");
inline const QString kTgaYuvFilter =
    QStringLiteral("TGA files (*.tga)|*.tga|YUV files (*.yuv)|*.yuv|All files (*.*)|*.*||");
inline const QString kTgaExtension = QStringLiteral("tga");

// A tool reading and writing TGA files.
inline ConvertDialogResource ToolResource(const QString& title, const QString& helpTopic)
{
    return {title, helpTopic, kTgaExtension, kTgaFilter, kTgaExtension, kTgaYuvFilter};
}

// A further TGA input of a tool (palette, matrix, file 2, mask).
inline FileRequest TgaInputRequest()
{
    return {kTgaExtension, kTgaFilter, QString()};
}

}  // namespace vistagon::gui
