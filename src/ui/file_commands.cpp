// "New", "Open", "Save as", "Save" and "Export AVL…": the ".da4" file and its parts
// exchanged with the design, the aircraft written for AVL, and the questions that
// keep a design.
#include "ui/file_commands.h"

#include <QAction>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include "files/avl_export.h"
#include "files/da4_file.h"
#include "files/design_file.h"
#include "ui/balance_window.h"
#include "ui/file_dialogs.h"
#include "ui/file_note.h"
#include "ui/main_menus.h"
#include "ui/message_boxes.h"
#include "ui/recent_files.h"
#include "ui/window_language.h"
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

FileCommands::FileCommands(QWidget* window, QWidget* strip, QStatusBar& status_bar,
                           MainMenus& menus, Workbench& bench, const WindowLanguage& language)
    : QObject(window),
      window_(window),
      menus_(menus),
      bench_(bench),
      design_(bench.design()),
      language_(language),
      dialogs_(std::make_unique<QtFileDialogs>()),
      recent_files_(new RecentFiles(*menus.recent_menu, language)),
      note_(new FileNote(status_bar, language)) {
    // The glyphs follow with the program icon (GiveIcons). The hints stay as they
    // are whatever the language.
    auto tool_button = [strip, &language](const char* name, TextId hint, int x) {
        auto* button = new QToolButton(strip);
        button->setObjectName(name);
        button->setGeometry(x, 0, 23, 22);
        button->setToolTip(language.Text(hint));
        button->setAutoRaise(true);
        return button;
    };
    open_button_ = tool_button("SpeedButton1", TextId::kFileOpenHint, 2);
    save_as_button_ = tool_button("SpeedButton2", TextId::kFileSaveAsHint, 28);
    save_button_ = tool_button("SpeedButton3", TextId::kFileSaveHint, 54);
    save_button_->hide();

    file_name_label_ = new QLabel(strip);
    file_name_label_->setObjectName("Lab_FName");
    file_name_label_->setGeometry(88, 4, 473, 13);
    file_name_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetFont(file_name_label_, 7, kBlueFont);

    connect(menus.new_item, &QAction::triggered, this, &FileCommands::OnNew);
    connect(recent_files_, &RecentFiles::Chosen, this, &FileCommands::OnOpenRecent);
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

bool FileCommands::MayDropDesign() {
    design_.FinishEdit();
    if (!design_.IsModified()) {
        return true;
    }
    switch (dialogs_->AskSaveChanges(window_, FileName(), texts())) {
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
    const bool modified = design_.IsModified();
    if (design_.path().empty() && !modified) {
        return caption;
    }
    return caption + QStringLiteral(" – ") + FileName() +
           (modified ? QStringLiteral(" *") : QString());
}

const Catalogue& FileCommands::texts() const {
    return language_.texts();
}

QString FileCommands::FileName() const {
    return QFileInfo(QString::fromStdString(bench_.aircraft().current_file_name)).fileName();
}

QString FileCommands::FileFolder() const {
    return design_.path().empty()
               ? QString()
               : QFileInfo(QString::fromStdString(design_.path())).absolutePath();
}

void FileCommands::ShowSaveCommands() {
    save_button_->show();
    menus_.ShowSaveItem();
}

// The label is 473 pixels wide: a longer path loses its beginning to "…", and the
// whole of it shows as the label's tip.
void FileCommands::ShowFileName() {
    const QString path = QString::fromStdString(design_.path());
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
            dialogs_->AskReplace(window_, QFileInfo(path).fileName(), texts())) {
            return name;
        }
        proposal = path;
    }
}

bool FileCommands::Save(bool ask_for_name) {
    design_.FinishEdit();
    // The design and its parts are saved together or not at all.
    const PartsReading& parts = design_.parts().reading();
    if (parts.problem) {
        dialogs_->ShowFileError(
            window_,
            QText(texts(), TextId::kFilePartsUnread,
                  {{"problem", DescribeRowProblem(*parts.problem, texts()).toStdString()}}),
            texts());
        return false;
    }
    std::string path = CompleteDa4Extension(design_.path());
    if (ask_for_name || design_.path().empty()) {
        const QString proposal =
            design_.path().empty() ? QStringLiteral("plane.da4") : QString::fromStdString(path);
        const std::optional<std::string> chosen = ChooseFileToWrite(
            [this](const QString& start) { return dialogs_->SaveFileName(window_, start); },
            proposal, [](const std::string& name) { return CompleteDa4Extension(name); });
        if (!chosen) {
            return false;
        }
        path = *chosen;
        ShowSaveCommands();
    }
    const FileResult written = SaveDesignFile(design_, path);
    if (const std::string said = FileMessage(written, texts()); !said.empty()) {
        // A failure, or a safety copy that could not be removed.
        dialogs_->ShowFileError(window_, QString::fromStdString(said), texts());
    }
    if (!written.ok()) {
        return false;
    }
    recent_files_->Add(QString::fromStdString(path));
    ShowFileName();
    return true;
}

void FileCommands::OnNew() {
    if (MayDropDesign()) {
        design_.New();
        note_->Dismiss();
        ShowFileName();
    }
}

void FileCommands::OnOpen() {
    if (!MayDropDesign()) {
        return;
    }
    OpenFile(dialogs_->OpenFileName(window_, FileFolder()));
}

void FileCommands::OnOpenRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        recent_files_->Remove(path);
        dialogs_->ShowFileError(
            window_, QText(texts(), TextId::kRecentGone, {{"path", path.toStdString()}}), texts());
        return;
    }
    if (MayDropDesign()) {
        OpenFile(path);
    }
}

void FileCommands::OpenFile(const std::optional<QString>& chosen) {
    if (!chosen) {
        ShowSaveCommands();
        bench_.Prepare();
        return;
    }
    const std::string name = chosen->toStdString();
    const DesignOpening opening = OpenDesignFile(design_, name);
    ShowSaveCommands();
    if (!opening.result.ok()) {
        // The design in the window and its name stay, so "Save" still writes where
        // the window says.
        dialogs_->ShowFileError(window_,
                                QText(texts(), TextId::kFileDesignKept,
                                      {{"problem", FileMessage(opening.result, texts())}}),
                                texts());
        bench_.Prepare();
        return;
    }
    recent_files_->Add(*chosen);
    ShowFileName();
    note_->Show(opening.leniency, QFileInfo(*chosen).fileName().toStdString(), design_.inputs());
    if (opening.parts_beside_failure) {
        dialogs_->ShowFileError(
            window_, QString::fromStdString(FileMessage(*opening.parts_beside_failure, texts())),
            texts());
    }
}

void FileCommands::OnExportAvl() {
    const Aircraft& aircraft = bench_.aircraft();
    if (!HasResultsOrSays(window_, aircraft, texts())) {
        return;
    }
    const std::optional<std::string> name = ChooseFileToWrite(
        [this](const QString& start) { return dialogs_->ExportFileName(window_, start, texts()); },
        ProposedAvlName(aircraft.current_file_name), &CompleteAvlExtension);
    if (!name) {
        return;
    }
    const AnalysisData& analysis = bench_.analysis();
    const FileResult written = WriteAvlFile(*name, aircraft, analysis.lattice, analysis.results,
                                            aircraft.current_file_name);
    if (!written.ok()) {
        dialogs_->ShowFileError(window_, QString::fromStdString(FileMessage(written, texts())),
                                texts());
        return;
    }
    dialogs_->ShowDone(
        window_,
        QText(
            texts(), TextId::kAvlWritten,
            {{"path", QFileInfo(QString::fromStdString(*name)).absoluteFilePath().toStdString()}}),
        texts());
}

}  // namespace kalvesta
