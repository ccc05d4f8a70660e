#pragma once

#include "CConvertDialog.h"

#include <QStringList>

namespace vistagon::gui {

// Import Filters, USGS DEMs: one or more DEM files merged into one elevation
// file, each file's header shown first.
class CUsgsDemDialog : public CConvertDialog {
    Q_OBJECT
public:
    // The names of one selection may take this many characters, quoted and separated.
    static constexpr qsizetype kSelectionLimit = 8192;

    CUsgsDemDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* voidEdit() const { return void_; }
    QLineEdit* currentFileEdit() const { return currentFile_; }
    const QStringList& selectedFiles() const { return selected_; }

protected:
    void BrowseSource() override;
    bool ReadControls() override;
    bool Convert(AppContext& context) override;

private:
    QLineEdit* void_;
    QLineEdit* currentFile_;
    QStringList selected_;
    int voidValue_ = 0;
};

}  // namespace vistagon::gui
