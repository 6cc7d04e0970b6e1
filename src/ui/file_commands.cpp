// "Open", "Save as", "Save" and "Export AVL…": the ".da4" file exchanged with the
// window, the aircraft written for AVL, and the questions that keep a design.
#include "ui/file_commands.h"

#include <QAction>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include "files/avl_export.h"
#include "files/da4_file.h"
#include "files/da4_format.h"
#include "files/parts_csv.h"
#include "ui/file_dialogs.h"
#include "ui/main_menus.h"
#include "ui/message_boxes.h"
#include "ui/window_layout.h"

namespace kalvesta {
namespace {

// The export's name: ".avl" appended unless the name ends in it (in any case).
std::string CompleteAvlExtension(const std::string& name) {
    return QString::fromStdString(name).endsWith(QStringLiteral(".avl"), Qt::CaseInsensitive)
               ? name
               : name + ".avl";
}

// The file name proposed for the export: the aircraft file's, ending in ".avl".
QString ProposedAvlName(const std::string& da4_name) {
    QString name = QString::fromStdString(da4_name);
    if (name.endsWith(QStringLiteral(".da4"), Qt::CaseInsensitive)) {
        name.chop(4);
    }
    return name + QStringLiteral(".avl");
}

}  // namespace

FileCommands::FileCommands(QWidget* window, QWidget* strip, MainMenus& menus, Aircraft& aircraft,
                           const AnalysisData& analysis,
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
    connect(save_as_button_, &QToolButton::clicked, this, [this] { Save(true); });
    connect(menus.save_as_item, &QAction::triggered, this, [this] { Save(true); });
    connect(save_button_, &QToolButton::clicked, this, [this] { Save(false); });
    connect(menus.save_item, &QAction::triggered, this, [this] { Save(false); });
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

void FileCommands::TakeDesignAsSaved() {
    saved_design_ = Da4ValuesOf(window_inputs_());
    emit DesignStateChanged();
}

bool FileCommands::IsModified() const {
    return Da4ValuesOf(window_inputs_()) != saved_design_ || (also_changed_ && also_changed_());
}

void FileCommands::AlsoChangedWhen(std::function<bool()> also_changed) {
    also_changed_ = std::move(also_changed);
}

void FileCommands::SavePartsFrom(std::function<PartsToSave()> parts) {
    parts_to_save_ = std::move(parts);
}

bool FileCommands::MayDropDesign() {
    if (!IsModified()) {
        return true;
    }
    switch (dialogs_->AskSaveChanges(window_, FileName(), english())) {
        case SaveChoice::kSave:
            return Save(false);
        case SaveChoice::kDiscard:
            return true;
        case SaveChoice::kCancel:
            break;
    }
    return false;
}

QString FileCommands::WindowTitle(const QString& caption) const {
    const bool modified = IsModified();
    if (!named_ && !modified) {
        return caption;
    }
    return caption + QStringLiteral(" – ") + FileName() +
           (modified ? QStringLiteral(" *") : QString());
}

QString FileCommands::FileName() const {
    return QFileInfo(QString::fromStdString(aircraft_.current_file_name)).fileName();
}

QString FileCommands::FileFolder() const {
    return named_ ? QFileInfo(QString::fromStdString(aircraft_.current_file_name)).absolutePath()
                  : QString();
}

void FileCommands::ShowSaveCommands() {
    save_button_->show();
    menus_.ShowSaveItem();
}

// The label is 473 pixels wide: a longer path loses its beginning to "…", and the
// whole of it shows as the label's tip.
void FileCommands::ShowFileName() {
    const QString path = QString::fromStdString(aircraft_.current_file_name);
    file_name_label_->setText(QFontMetrics(file_name_label_->font())
                                  .elidedText(path, Qt::ElideLeft, file_name_label_->width()));
    file_name_label_->setToolTip(path);
}

std::optional<std::string> FileCommands::ChooseFileToWrite(
    const std::function<std::optional<QString>(const QString&)>& ask, QString proposal,
    const std::function<std::string(const std::string&)>& complete) {
    for (;;) {
        const std::optional<QString> chosen = ask(proposal);
        if (!chosen) {
            return std::nullopt;
        }
        const std::string name = complete(chosen->toStdString());
        const QString path = QString::fromStdString(name);
        if (!QFileInfo::exists(path) ||
            dialogs_->AskReplace(window_, QFileInfo(path).fileName(), english())) {
            return name;
        }
        proposal = path;
    }
}

bool FileCommands::Save(bool ask_for_name) {
    TakeCountsForSave(aircraft_, window_inputs_());
    // The design and its parts are saved together or not at all.
    const PartsToSave parts = parts_to_save_ ? parts_to_save_() : PartsToSave{};
    if (!parts.problem.isEmpty()) {
        aircraft_.current_file_name = CompleteDa4Extension(aircraft_.current_file_name);
        dialogs_->ShowFileError(window_, parts.problem, english());
        return false;
    }

    const std::string previous_name = aircraft_.current_file_name;
    const bool asks = ask_for_name || !named_;
    if (asks) {
        const QString proposal =
            named_ ? QString::fromStdString(aircraft_.current_file_name) : QStringLiteral("*.da4");
        const std::optional<std::string> chosen = ChooseFileToWrite(
            [this](const QString& start) { return dialogs_->SaveFileName(window_, start); },
            proposal, [](const std::string& name) { return CompleteDa4Extension(name); });
        if (!chosen) {
            aircraft_.current_file_name = CompleteDa4Extension(aircraft_.current_file_name);
            return false;
        }
        aircraft_.current_file_name = *chosen;
        ShowSaveCommands();
    }
    aircraft_.current_file_name = CompleteDa4Extension(aircraft_.current_file_name);

    const Da4Values values = AssembleDa4Values(aircraft_);
    Da4Sections sections;
    if (!parts.parts.empty()) {
        sections.parts = parts.parts;
    }
    const FileResult written = WriteDa4File(aircraft_.current_file_name, values, sections);
    if (!written.message.empty()) {
        // A failure, or a safety copy that could not be removed.
        dialogs_->ShowFileError(window_, QString::fromStdString(FileMessage(written, english())),
                                english());
    }
    if (!written.ok()) {
        // "Save" keeps writing where the window says it does.
        if (asks) {
            aircraft_.current_file_name = previous_name;
        }
        return false;
    }
    named_ = true;
    saved_design_ = values;
    ShowFileName();
    emit DesignSaved(aircraft_.current_file_name);
    emit DesignStateChanged();
    return true;
}

void FileCommands::OnOpen() {
    if (!MayDropDesign()) {
        return;
    }
    OpenFile(dialogs_->OpenFileName(window_, FileFolder()));
}

void FileCommands::OpenFile(const std::optional<QString>& chosen) {
    bool loaded = false;
    if (chosen) {
        const std::string name = chosen->toStdString();
        const Da4ReadResult read = ReadDa4File(name);
        if (const FileResult usable = AircraftFileResult(read, name); !usable.ok()) {
            // The design in the window and its name stay, so "Save" still writes where
            // the window says.
            dialogs_->ShowFileError(window_,
                                    QString::fromStdString(FileMessage(usable, english())) +
                                        InLanguage(english(), ". The design in the window is kept.",
                                                   ". Проект в окне сохранён без изменений."),
                                    english());
        } else {
            // The parts: the file's own, else those of the parts file beside a file
            // that holds none (how parts were saved before).
            std::vector<Part> parts = read.sections.parts.value_or(std::vector<Part>{});
            std::optional<PartsReadResult> beside;
            if (!read.sections.parts && (beside = ReadPartsBeside(name)) && beside->result.ok()) {
                parts = std::move(beside->parts);
            }
            aircraft_.current_file_name = name;
            // Counts the file states out of range keep the window's buttons.
            emit Loaded(ApplyDa4Values(read.values, window_inputs_()));
            if (beside && !beside->result.ok()) {
                dialogs_->ShowFileError(
                    window_, QString::fromStdString(FileMessage(beside->result, english())),
                    english());
            }
            emit DesignOpened(name, parts);
            named_ = true;
            loaded = true;
        }
    }
    emit OpenEnded();
    if (loaded) {
        saved_design_ = Da4ValuesOf(window_inputs_());
        ShowFileName();
    }
    ShowSaveCommands();
    emit DesignStateChanged();
}

void FileCommands::OnExportAvl() {
    if (!HasResultsOrSays(window_, aircraft_)) {
        return;
    }
    const std::optional<std::string> name = ChooseFileToWrite(
        [this](const QString& start) {
            return dialogs_->ExportFileName(window_, start, english());
        },
        ProposedAvlName(aircraft_.current_file_name), &CompleteAvlExtension);
    if (!name) {
        return;
    }
    const FileResult written = WriteAvlFile(*name, aircraft_, analysis_.lattice, analysis_.results,
                                            aircraft_.current_file_name);
    if (!written.ok()) {
        dialogs_->ShowFileError(window_, QString::fromStdString(FileMessage(written, english())),
                                english());
        return;
    }
    dialogs_->ShowDone(window_,
                       InLanguage(english(), "The aircraft was written for AVL to\n%1",
                                  "Самолёт записан для AVL в файл\n%1")
                           .arg(QFileInfo(QString::fromStdString(*name)).absoluteFilePath()),
                       english());
}

}  // namespace kalvesta
