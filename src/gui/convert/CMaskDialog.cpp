#include "CMaskDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "tools/MaskJob.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vistagon::gui {

CMaskDialog::CMaskDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files, ToolResource(QStringLiteral("Mask a File"), QStringLiteral("dialog-mask")), parent)
{
    auto* grid = new QGridLayout;
    mask_ = AddInputFile(grid, 0, QStringLiteral("&Mask File:"), TgaInputRequest());
    body()->addLayout(grid);
    body()->addWidget(new QLabel(QStringLiteral("Notes: Three pixels in the mask file control the masking:"), this));
    body()->addWidget(new QLabel(QStringLiteral("Pixel (0, 0) (lower left corner) defines full transparency.\n"
                                                "Pixel (1, 0) defines an increase in brightness.\n"
                                                "Pixel (2, 0) defines a decrease in brightness.\n"
                                                "Colors not equal to one of the above three are considered opaque."),
                                 this));
}

bool CMaskDialog::Convert(AppContext& context)
{
    // The masking runs in memory in one go: the wait cursor shows meanwhile.
    struct WaitCursor {
        WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
        ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    } wait;
    MaskJob job(context, {PathOf(sourceEdit()), PathOf(targetEdit()), PathOf(mask_->edit)});
    return job.Run();
}

}  // namespace vistagon::gui
