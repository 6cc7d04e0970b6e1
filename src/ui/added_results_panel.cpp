// The note of the added results over the top view.
#include "ui/added_results_panel.h"

#include <QLabel>
#include <QStringList>
#include <algorithm>
#include <limits>

#include "ui/image_control.h"
#include "ui/window_language.h"
#include "views/added_figures_text.h"

namespace kalvesta {
namespace {

constexpr int kNoteWidth = 280;
constexpr int kNoteInset = 4;           // from the top view's edges
constexpr int kDocumentedLinesY = 228;  // the documented result lines start below

// Where in `picture` a note of `size` covers the fewest drawn pixels (those not of
// the background's colour, every second one counted): along the right edge, or on
// the left above the documented result lines; the lower place of equal cost.
QPoint EmptiestPlace(const QImage& picture, QSize size) {
    const QRgb background = picture.pixel(1, 1);
    const auto drawn = [&](int left, int top) {
        int count = 0;
        for (int y = top; y < top + size.height(); y += 2) {
            for (int x = left; x < left + size.width(); x += 2) {
                count += picture.pixel(x, y) != background ? 1 : 0;
            }
        }
        return count;
    };
    QPoint best(picture.width() - kNoteInset - size.width(),
                picture.height() - kNoteInset - size.height());
    int fewest = std::numeric_limits<int>::max();
    const std::pair<int, int> columns[] = {{best.x(), best.y()},
                                           {kNoteInset, kDocumentedLinesY - size.height()}};
    for (const auto& [left, lowest_top] : columns) {
        for (int top = std::max(lowest_top, kNoteInset); top >= kNoteInset; top -= 4) {
            if (const int count = drawn(left, top); count < fewest) {
                fewest = count;
                best = QPoint(left, top);
            }
        }
    }
    return best;
}

}  // namespace

AddedResultsPanel::AddedResultsPanel(QWidget* page, const ImageControl& top_view,
                                     const Workbench& bench, const WindowLanguage& language)
    : QObject(page), top_view_(top_view), bench_(bench), language_(language) {
    note_ = new QLabel(page);
    note_->setObjectName("AddedResults");
    note_->setWordWrap(true);
    note_->setFrameShape(QFrame::Box);
    note_->setMargin(3);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    note_->setAutoFillBackground(true);
    QPalette palette = note_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, Qt::black);
    note_->setPalette(palette);
    QFont font = note_->font();
    font.setPixelSize(11);
    note_->setFont(font);
    note_->hide();
    connect(&language, &WindowLanguage::Changed, this, &AddedResultsPanel::Show);
}

void AddedResultsPanel::Show() {
    const Aircraft& aircraft = bench_.aircraft();
    const std::vector<std::string> sentences =
        aircraft.results_valid
            ? AddedFigureSentences(aircraft, bench_.analysis().results, bench_.added(),
                                   bench_.design().fuselage(), bench_.design().margin().manual,
                                   language_.texts())
            : std::vector<std::string>{};
    if (sentences.empty()) {
        note_->hide();
        return;
    }
    QStringList paragraphs;
    for (const std::string& sentence : sentences) {
        paragraphs << QString::fromStdString(sentence);
    }
    note_->setText(paragraphs.join('\n'));
    note_->setFixedWidth(kNoteWidth);
    note_->setFixedHeight(note_->heightForWidth(kNoteWidth));
    note_->move(top_view_.pos() + EmptiestPlace(top_view_.image(), note_->size()));
    note_->show();
    note_->raise();
}

}  // namespace kalvesta
