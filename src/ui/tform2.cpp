// Info window layout and texts.
#include "ui/tform2.h"

#include <QLabel>

#include "qtcanvas/layout_font.h"
#include "ui/window_placement.h"

namespace kalvesta {
namespace {

struct InfoLabel {
    int number;
    QPoint at;
    bool blue;  // blue description lines, black credit lines
    bool bold;
};

constexpr std::array<InfoLabel, 9> kInfoLabels{{
    {9, {32, 0}, false, false},
    {1, {0, 16}, true, true},
    {2, {24, 32}, true, true},
    {7, {32, 48}, true, true},
    {3, {40, 88}, false, true},
    {4, {72, 104}, false, false},
    {5, {48, 128}, false, true},
    {6, {48, 144}, false, false},
    {8, {32, 160}, false, false},
}};

struct InfoText {
    int number;
    TextId text;
};

// Set in this order. The description's second language is German; the lines added
// to it, credits and where to read more, follow the window into Russian.
constexpr std::array<InfoText, 7> kInfoTexts{{
    {1, TextId::kInfoLine1},
    {2, TextId::kInfoLine2},
    {7, TextId::kInfoLine3},
    {3, TextId::kInfoIdea},
    {4, TextId::kInfoIdeaContact},
    {5, TextId::kInfoRealisation},
    {6, TextId::kInfoRealisationContact},
}};

}  // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form2");
    setWindowTitle(QString::fromStdString(Catalogue().Text(TextId::kInfoCaption)));
    move(263, 231);
    SubstituteLayoutFont();
    const QFont font = LayoutFont(11);
    for (const InfoLabel& place : kInfoLabels) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("Label%1").arg(place.number));
        QFont label_font = font;
        label_font.setBold(place.bold);
        label->setFont(label_font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, place.blue ? QColor(Qt::blue) : QColor(Qt::black));
        label->setPalette(palette);
        label->move(place.at);
        labels_[static_cast<size_t>(place.number)] = label;
    }
}

void TForm2::ShowInfo(const Catalogue& texts) {
    for (const InfoText& text : kInfoTexts) {
        QLabel* label = Label(text.number);
        label->setText(QString::fromStdString(texts.Text(text.text)));
        label->adjustSize();
    }
    adjustSize();
    KeepOnScreen(*this);
    show();
    raise();
    activateWindow();
}

}  // namespace kalvesta
