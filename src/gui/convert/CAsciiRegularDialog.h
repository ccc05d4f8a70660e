#pragma once

#include "CConvertDialog.h"
#include "import/asciiregular/AsciiRegularJob.h"

namespace vistagon::gui {

class ResultsListBox;

// Import Filters, ASCII Regular: "x y z" lines on a grid; choosing the source
// scans it and proposes the boundaries and the output size.
class CAsciiRegularDialog : public CConvertDialog {
    Q_OBJECT
public:
    CAsciiRegularDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* widthEdit() const { return width_; }
    QLineEdit* heightEdit() const { return height_; }
    QLineEdit* skipEdit() const { return skip_; }
    QLineEdit* zScaleEdit() const { return zScale_; }
    QLineEdit* minXEdit() const { return minX_; }
    QLineEdit* maxXEdit() const { return maxX_; }
    QLineEdit* minYEdit() const { return minY_; }
    QLineEdit* maxYEdit() const { return maxY_; }
    ResultsListBox* results() const { return results_; }

protected:
    bool ReadControls() override;
    bool Convert(AppContext& context) override;
    void SourceChosen() override;

private:
    void ShowOptions();

    QLineEdit *width_, *height_, *skip_, *zScale_, *minX_, *maxX_, *minY_, *maxY_;
    ResultsListBox* results_;
    AsciiRegularOptions options_;
};

}  // namespace vistagon::gui
