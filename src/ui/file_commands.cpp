// "Open", "Save as", "Save" and "Export AVL…": the ".da4" file exchanged with the
// window, the aircraft written for AVL.
#include "ui/file_commands.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include "files/avl_export.h"
#include "files/da4_file.h"
#include "files/da4_format.h"
#include "ui/file_dialogs.h"
#include "ui/main_menus.h"
#include "ui/result_commands.h"
#include "ui/window_layout.h"

namespace kalvesta {
namespace {

// The file name proposed for the export: the aircraft file's, ending in ".avl".
QString ProposedAvlName(const std::string& da4_name) {
    QString name = QString::fromStdString(da4_name);
    if (name.endsWith(QStringLiteral(".da4"), Qt::CaseInsensitive)) {
        name.chop(4);
    }
    return name + QStringLiteral(".avl");
}

}  // namespace

FileCommands::FileCommands(QWidget* window, QWidget* strip, const MainMenus& menus,
                           Aircraft& aircraft, const AnalysisData& analysis,
                           std::function<AircraftInputs()> window_inputs)
    : QObject(window),
      window_(window),
      menus_(menus),
      aircraft_(aircraft),
      analysis_(analysis),
      window_inputs_(std::move(window_inputs)),
      dialogs_(std::make_unique<QtFileDialogs>()) {
    // The glyphs follow with the program icon (GiveIcons).
    auto tool_button = [strip](const char* name, const char* hint, int x) {
        auto* button = new QToolButton(strip);
        button->setObjectName(name);
        button->setGeometry(x, 0, 23, 22);
        button->setToolTip(hint);
        button->setAutoRaise(true);
        return button;
    };
    open_button_ = tool_button("SpeedButton1", "Open File", 2);
    save_as_button_ = tool_button("SpeedButton2", "Save File as", 28);
    save_button_ = tool_button("SpeedButton3", "Save File", 54);
    save_button_->hide();

    file_name_label_ = new QLabel(strip);
    file_name_label_->setObjectName("Lab_FName");
    file_name_label_->setGeometry(88, 4, 473, 13);
    file_name_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetFont(file_name_label_, 7, kBlueFont);

    connect(open_button_, &QToolButton::clicked, this, &FileCommands::OnOpen);
    connect(menus.open_item, &QAction::triggered, this, &FileCommands::OnOpen);
    connect(save_as_button_, &QToolButton::clicked, this, [this] { OnSave(true); });
    connect(menus.save_as_item, &QAction::triggered, this, [this] { OnSave(true); });
    connect(save_button_, &QToolButton::clicked, this, [this] { OnSave(false); });
    connect(menus.save_item, &QAction::triggered, this, [this] { OnSave(false); });
    connect(menus.export_avl_item, &QAction::triggered, this, &FileCommands::OnExportAvl);
}

FileCommands::~FileCommands() = default;

void FileCommands::GiveIcons(const QStyle& style) {
    open_button_->setIcon(style.standardIcon(QStyle::SP_DialogOpenButton));
    save_as_button_->setIcon(style.standardIcon(QStyle::SP_DialogSaveButton));
    save_button_->setIcon(style.standardIcon(QStyle::SP_DialogSaveButton));
}

void FileCommands::SetDialogs(std::unique_ptr<FileDialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}

void FileCommands::ShowSaveCommands() {
    save_button_->show();
    menus_.save_item->setVisible(true);
}

void FileCommands::OnSave(bool ask_for_name) {
    TakeCountsForSave(aircraft_, window_inputs_());

    const std::string previous_name = aircraft_.current_file_name;
    bool confirmed = false;
    if (ask_for_name) {
        if (const auto chosen = dialogs_->SaveFileName(window_)) {
            aircraft_.current_file_name = chosen->toStdString();
            ShowSaveCommands();
            confirmed = true;
        }
    }
    aircraft_.current_file_name = CompleteDa4Extension(aircraft_.current_file_name);
    if (ask_for_name && !confirmed) {
        return;
    }

    const FileResult written =
        WriteDa4File(aircraft_.current_file_name, AssembleDa4Values(aircraft_));
    if (!written.ok()) {
        // "Save" keeps writing where the window says it does.
        if (ask_for_name) {
            aircraft_.current_file_name = previous_name;
        }
        dialogs_->ShowFileError(
            window_, QString::fromStdString(FileMessage(written, aircraft_.english_captions)));
        return;
    }
    file_name_label_->setText(QString::fromStdString(aircraft_.current_file_name));
    emit DesignSaved(aircraft_.current_file_name);
}

void FileCommands::OnOpen() {
    OpenFile(dialogs_->OpenFileName(window_));
}

void FileCommands::OpenFile(const std::optional<QString>& chosen) {
    if (chosen) {
        const std::string name = chosen->toStdString();
        const Da4ReadResult read = ReadDa4File(name);
        if (read.result.ok()) {
            aircraft_.current_file_name = name;
            // Counts the file states out of range keep the window's buttons.
            emit Loaded(ApplyDa4Values(read.values, window_inputs_()));
            file_name_label_->setText(QString::fromStdString(name));
            emit DesignOpened(name);
        } else {
            // The current file name stays, so "Save" still writes where the window says.
            dialogs_->ShowFileError(window_, QString::fromStdString(FileMessage(
                                                 read.result, aircraft_.english_captions)));
        }
    }
    emit OpenEnded();
    ShowSaveCommands();
}

void FileCommands::OnExportAvl() {
    if (!HasResultsOrSays(window_, aircraft_)) {
        return;
    }
    // No overwrite question: the file is replaced only once the new one is complete.
    const QString name = QFileDialog::getSaveFileName(
        window_, QString(), ProposedAvlName(aircraft_.current_file_name),
        QStringLiteral("*.avl (*.avl)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) {
        return;
    }
    const FileResult written = WriteAvlFile(name.toStdString(), aircraft_, analysis_.lattice,
                                            analysis_.results, aircraft_.current_file_name);
    if (!written.ok()) {
        dialogs_->ShowFileError(
            window_, QString::fromStdString(FileMessage(written, aircraft_.english_captions)));
    }
}

}  // namespace kalvesta
