#include "CUsgsDemDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "GuiDemFeedback.h"
#include "import/usgsdem/UsgsDemJob.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vistagon::gui {

CUsgsDemDialog::CUsgsDemDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     {QStringLiteral("Convert DEM File(s) into Elevation File"), QStringLiteral("dialog-usgs-dem"),
                      QStringLiteral("dem"), QStringLiteral("DEM files (*.dem)|*.dem|All files (*.*)|*.*||"),
                      kTgaExtension, kTgaYuvFilter},
                     parent)
{
    auto* form = new QFormLayout;
    void_ = AddEdit(form, QStringLiteral("&Void value:"), IntText(UsgsDemOptions{}.voidValue));
    currentFile_ = AddEdit(form, QStringLiteral("Current input file:"), QString());
    currentFile_->setReadOnly(true);
    body()->addLayout(form);
}

void CUsgsDemDialog::BrowseSource()
{
    const FileRequest request{resource().sourceExtension, resource().sourceFilter, QString()};
    const auto paths = files().OpenFiles(this, request);
    if (!paths) return;
    QString text;
    for (const QString& path : *paths) text += '"' + path + "\" ";
    if (text.size() > kSelectionLimit) {
        // Rather than convert a cut list, the selection is refused whole.
        messages().ShowMessage(QStringLiteral("The names of the selected files take more than %1 characters.\n"
                                              "Please select fewer files at a time.")
                                   .arg(kSelectionLimit)
                                   .toStdString(),
                               MessageIcon::Stop);
        return;
    }
    selected_ = *paths;
    sourceEdit()->setText(text);
    SetSourceChosen();
    UpdateOkButton();
}

bool CUsgsDemDialog::ReadControls()
{
    return ReadInt(void_, messages(), voidValue_);
}

bool CUsgsDemDialog::Convert(AppContext& context)
{
    UsgsDemOptions options;
    for (const QString& path : selected_) options.sourcePaths.push_back(path.toStdString());
    options.targetPath = PathOf(targetEdit());
    options.voidValue = voidValue_;
    GuiDemFeedback feedback(this, shell(), currentFile_);
    UsgsDemJob job(context, options, feedback);
    return job.Run();
}

}  // namespace vistagon::gui
