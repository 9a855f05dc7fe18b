#pragma once
// The about box: the program's version and the maker's contact lines.
#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace vamok {

class TInfo : public QDialog {
    Q_OBJECT
public:
    explicit TInfo(QWidget* parent = nullptr);

    // Shown in brackets after the version; the main window sets both before
    // showing the box, other callers leave them as they are.
    void setSuffixes(const std::string& first, const std::string& second);

    QLabel* Label1 = nullptr;
    QPushButton* BitBtn1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string firstSuffix_;
    std::string secondSuffix_;
};

} // namespace vamok
