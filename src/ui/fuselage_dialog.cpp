// The fuselage dialog: its table, the reading of its rows and the paste.
#include "ui/fuselage_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "files/fuselage_csv.h"
#include "model/number_format.h"
#include "model/parts.h"
#include "ui/table_editing.h"
#include "ui/window_language.h"
#include "ui/window_layout.h"

namespace kalvesta {
namespace {

constexpr int kXColumn = 0;
constexpr int kWidthColumn = 1;

bool IsBlank(const StationTexts& row) {
    return TrimBlanks(row.x_mm).empty() && TrimBlanks(row.width_mm).empty();
}

void Colour(QLabel* label, QColor color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

}  // namespace

OutlineReading ReadOutlineRows(const std::vector<StationTexts>& rows, const Catalogue& texts) {
    const std::string x_name = texts.Text(TextId::kFuselageXColumn);
    const std::string width_name = texts.Text(TextId::kFuselageWidthColumn);
    OutlineReading reading;
    for (size_t i = 0; i < rows.size(); ++i) {
        const StationTexts& typed = rows[i];
        if (IsBlank(typed)) {
            continue;
        }
        // A "," stands for the "." where the number has none, as in the parts table.
        const StationRow row = ReadStationRow(typed.x_mm, typed.width_mm, true);
        if (const std::optional<Message> problem = DescribeStationProblem(
                row, reading.outline, typed.x_mm, typed.width_mm, {x_name, width_name})) {
            reading.problem =
                QText(texts, TextId::kBalanceRowProblem,
                      {{"row", std::to_string(i + 1)}, {"problem", texts.Text(*problem)}});
            reading.outline = {};
            return reading;
        }
        reading.outline.stations.push_back(row.station);
    }
    if (const std::optional<Message> problem = OutlineProblemText(reading.outline)) {
        reading.problem = QText(texts, *problem);
        reading.outline = {};
    }
    return reading;
}

std::vector<StationTexts> PastedStationRows(const QString& text) {
    std::vector<StationTexts> rows;
    bool first_line = true;
    for (QString line : text.split('\n')) {
        line.remove('\r');
        if (line.trimmed().isEmpty()) {
            continue;
        }
        const QChar separator = line.contains('\t') ? '\t' : line.contains(';') ? ';' : ',';
        const QStringList fields = line.split(separator);
        StationTexts row{fields.value(0).trimmed().toStdString(),
                         fields.value(1).trimmed().toStdString()};
        const bool header =
            first_line && !ReadPartNumber(row.x_mm, true) && !ReadPartNumber(row.width_mm, true);
        first_line = false;
        if (header) {
            continue;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

FuselageDialog::FuselageDialog(QWidget* parent, const Fuselage& outline, const Catalogue& texts)
    : QDialog(parent), texts_(texts) {
    setObjectName("FuselageDialog");
    setWindowTitle(QText(texts, TextId::kFuselageTitle));
    auto* note = new QLabel(QText(texts, TextId::kFuselageNote), this);
    note->setWordWrap(true);

    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName("FuselageTable");
    table_->setHorizontalHeaderLabels(
        {QText(texts, TextId::kFuselageXHeader), QText(texts, TextId::kFuselageWidthHeader)});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    std::vector<StationTexts> rows;
    for (const FuselageStation& station : outline.stations) {
        rows.push_back({FormatShortest(station.x_mm), FormatShortest(station.width_mm)});
    }
    InsertRows(0, rows);
    connect(table_, &QTableWidget::cellChanged, this, &FuselageDialog::Check);
    PasteClipboardInto(table_, [this](const QString& text) { PasteRows(text); });

    const RowButtons row_buttons = MakeRowButtons(
        this, "AddStationButton", "DeleteStationsButton", [this] { AddRow(); },
        [this] { DeleteRows(); });
    add_button_ = row_buttons.add;
    add_button_->setText(QText(texts, TextId::kBalanceAddRow));
    delete_button_ = row_buttons.remove;
    delete_button_->setText(QText(texts, TextId::kBalanceDeleteRows));

    problem_ = new QLabel(this);
    problem_->setObjectName("FuselageProblem");
    problem_->setWordWrap(true);
    problem_->setMinimumHeight(2 * problem_->fontMetrics().lineSpacing());
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QText(texts, TextId::kMessageOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(QText(texts, TextId::kMessageCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(table_, 1);
    layout->addLayout(row_buttons.row);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    resize(420, 440);
    Check();
}

void FuselageDialog::InsertRows(int at, const std::vector<StationTexts>& rows) {
    const QSignalBlocker quiet(table_);
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = at + static_cast<int>(i);
        table_->insertRow(row);
        table_->setItem(row, kXColumn, new QTableWidgetItem(QString::fromStdString(rows[i].x_mm)));
        table_->setItem(row, kWidthColumn,
                        new QTableWidgetItem(QString::fromStdString(rows[i].width_mm)));
    }
}

void FuselageDialog::AddRow() {
    const int row = table_->rowCount();
    InsertRows(row, {StationTexts{}});
    table_->setFocus();
    table_->setCurrentCell(row, kXColumn);
    Check();
}

void FuselageDialog::DeleteRows() {
    std::set<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
    }
    if (rows.empty() && table_->currentRow() >= 0) {
        rows.insert(table_->currentRow());
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        table_->removeRow(*row);
    }
    Check();
}

void FuselageDialog::PasteRows(const QString& text) {
    const std::vector<StationTexts> rows = PastedStationRows(text);
    if (rows.empty()) {
        return;
    }
    const int current = table_->currentRow();
    int at = current >= 0 ? current + 1 : table_->rowCount();
    if (current >= 0 && IsBlank({table_->item(current, kXColumn)->text().toStdString(),
                                 table_->item(current, kWidthColumn)->text().toStdString()})) {
        table_->removeRow(current);
        at = current;
    }
    InsertRows(at, rows);
    table_->setCurrentCell(at, kXColumn);
    Check();
}

void FuselageDialog::Check() {
    std::vector<StationTexts> rows;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const auto cell = [this, row](int column) {
            const QTableWidgetItem* item = table_->item(row, column);
            return item ? item->text().toStdString() : std::string();
        };
        rows.push_back({cell(kXColumn), cell(kWidthColumn)});
    }
    reading_ = ReadOutlineRows(rows, texts_);
    ok_->setEnabled(reading_.problem.isEmpty());
    if (!reading_.problem.isEmpty()) {
        Colour(problem_, kRedFont);
        problem_->setText(reading_.problem);
    } else if (reading_.outline.Described()) {
        const FuselageSize size = SizeOf(reading_.outline);
        Colour(problem_, Qt::black);
        problem_->setText(QText(texts_, TextId::kFuselageSize,
                                {{"length", FormatShortest(size.length_mm)},
                                 {"width", FormatShortest(size.max_width_mm)},
                                 {"fineness", FormatFixed(size.fineness, 1)}}));
    } else {
        Colour(problem_, Qt::black);
        problem_->setText(QText(texts_, TextId::kFuselageNone));
    }
}

void FuselageDialog::Edit(QWidget* parent, Design& design, const Catalogue& texts) {
    FuselageDialog dialog(parent, design.fuselage(), texts);
    // "OK" is disabled while the outline is refused; SetFuselage takes only a usable one.
    const Fuselage& outline = dialog.reading_.outline;
    if (dialog.exec() == QDialog::Accepted && dialog.reading_.problem.isEmpty() &&
        CheckOutline(outline).problem == OutlineProblem::kNone && outline != design.fuselage()) {
        design.SetFuselage(outline);
    }
}

}  // namespace kalvesta
