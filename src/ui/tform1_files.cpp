// "Open" and "Save" on the main window: the ".da4" file exchanged with the input
// boxes. A design is never lost: writes replace a file only when complete, and a
// file that cannot be read or written is reported by name and reason.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include "files/da4_file.h"
#include "files/da4_format.h"
#include "model/number_format.h"
#include "ui/file_dialogs.h"
#include "ui/tform1.h"

namespace kalvesta {

void TForm1::ConnectFileCommands() {
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::Load1Click);
    connect(Open2, &QAction::triggered, this, &TForm1::Load1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { Save1Click(true); });
    connect(Save2, &QAction::triggered, this, [this] { Save1Click(true); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { Save1Click(false); });
    connect(Save3, &QAction::triggered, this, [this] { Save1Click(false); });
}

void TForm1::SetFileDialogs(std::unique_ptr<FileDialogs> dialogs) {
    file_dialogs_ = std::move(dialogs);
}

void TForm1::Save1Click(bool ask_for_name) {
    TakeCountsForSave(aircraft_, ReadAircraftInputs());

    const std::string previous_name = aircraft_.current_file_name;
    bool confirmed = false;
    if (ask_for_name) {
        if (const auto chosen = file_dialogs_->SaveFileName(this)) {
            aircraft_.current_file_name = chosen->toStdString();
            SpeedButton3->show();
            Save3->setVisible(true);
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
        file_dialogs_->ShowFileError(
            this, QString::fromStdString(FileMessage(written, aircraft_.english_captions)));
        return;
    }
    Lab_FName->setText(QString::fromStdString(aircraft_.current_file_name));
}

void TForm1::Load1Click() {
    OpenFile(file_dialogs_->OpenFileName(this));
}

void TForm1::OpenFile(const std::optional<QString>& chosen) {
    if (chosen) {
        const std::string name = chosen->toStdString();
        const Da4ReadResult read = ReadDa4File(name);
        if (read.result.ok()) {
            aircraft_.current_file_name = name;
            // Counts the file states out of range keep the window's buttons.
            AircraftInputs boxes = ReadAircraftInputs();
            ApplyDa4Values(read.values, aircraft_, boxes);
            PutLoadedValuesIntoWindow(read.values);
            Lab_FName->setText(QString::fromStdString(name));
        } else {
            // The current file name stays, so "Save" still writes where the window says.
            file_dialogs_->ShowFileError(
                this, QString::fromStdString(FileMessage(read.result, aircraft_.english_captions)));
        }
    }
    Calc();
    SpeedButton3->show();
    Save3->setVisible(true);
}

void TForm1::PutLoadedValuesIntoWindow(const Da4Values& values) {
    const int32_t wing_count = values[0];
    if (wing_count >= 1 && wing_count <= kMaxWings) {
        wing_count_buttons[static_cast<size_t>(wing_count)]->setChecked(true);
    }
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const int32_t trapezoids =
            values[static_cast<size_t>(Da4Index(wing, da4::kTrapezoidCount))];
        if (trapezoids >= 1 && trapezoids <= kMaxTrapezoids) {
            Tab(wing).trapezoid_buttons[static_cast<size_t>(trapezoids - 1)]->setChecked(true);
        }
    }
    aircraft_.calc_wing_count = aircraft_.wing_count;

    // Every field in line order, as a right-aligned text of width 4; each change
    // runs the field's own handler as typing would.
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        const WingTab& tab = Tab(wing);
        auto box_at = [&](int offset) -> QLineEdit* {
            if (offset == da4::kChord0) {
                return tab.boxes[kRootChordBox];
            }
            if (offset < da4::kRootOffset) {
                return tab.boxes[static_cast<size_t>(ChordBox(offset - da4::kChord0))];
            }
            if (offset == da4::kRootOffset) {
                return tab.boxes[kRootOffsetBox];
            }
            if (offset < da4::kLeadingEdge1) {
                return tab.boxes[static_cast<size_t>(SpanBox(offset - da4::kSpan1 + 1))];
            }
            if (offset < da4::kWingX) {
                return tab
                    .boxes[static_cast<size_t>(LeadingEdgeBox(offset - da4::kLeadingEdge1 + 1))];
            }
            const auto w = static_cast<size_t>(wing);
            return offset == da4::kWingX ? position_x_boxes[w] : position_z_boxes[w];
        };
        for (int offset = da4::kChord0; offset <= da4::kWingZ; ++offset) {
            const int32_t value = values[static_cast<size_t>(Da4Index(wing, offset))];
            box_at(offset)->setText(QString::fromStdString(FormatInt(value, 4)));
        }
    }
}

}  // namespace kalvesta
