// Opening a ".da4" into the design document and saving the document as one file.
#include "files/design_file.h"

#include <utility>
#include <vector>

#include "files/da4_format.h"

namespace kalvesta {

DesignOpening OpenDesignFile(Design& design, const std::string& path, const Da4Reader& read,
                             const PartsBesideReader& read_beside) {
    DesignOpening opening;
    const Da4ReadResult file = read(path);
    opening.result = AircraftFileResult(file, path);
    if (!opening.result.ok()) {
        return opening;
    }
    opening.leniency = LeniencyOf(file);
    std::vector<Part> parts;
    if (file.sections.parts) {
        parts = *file.sections.parts;
        opening.parts_path = path;
    } else if (std::optional<PartsReadResult> beside = read_beside(path)) {
        if (beside->result.ok()) {
            parts = std::move(beside->parts);
            opening.parts_path = PartsFileNameFor(path);
        } else {
            opening.parts_beside_failure = std::move(beside->result);
        }
    }
    design.Open(path, ApplyDa4Values(file.values, design.inputs()), parts,
                file.sections.fuselage.value_or(Fuselage{}));
    return opening;
}

Da4Sections SectionsOf(const Design& design) {
    Da4Sections sections;
    if (const std::vector<Part>& parts = design.parts().reading().parts; !parts.empty()) {
        sections.parts = parts;
    }
    if (design.fuselage().Described()) {
        sections.fuselage = design.fuselage();
    }
    return sections;
}

std::string DesignFileText(const Design& design) {
    return FormatDa4File(Da4ValuesOf(design.inputs()), SectionsOf(design));
}

FileResult SaveDesignFile(Design& design, const std::string& path) {
    FileResult written = WriteDa4File(path, Da4ValuesOf(design.inputs()), SectionsOf(design));
    if (written.ok()) {
        design.MarkSaved(path);
    }
    return written;
}

}  // namespace kalvesta
