# The texts catalogue's generator, run at build time as a script:
#   cmake -D TEXTS_DIR=<folder of en.json, de.json, ru.json> -D OUTPUT_DIR=<folder> -P KalvestaTexts.cmake
# It writes <OUTPUT_DIR>/texts/text_id.h (the enum TextId, one identifier per text of
# en.json) and <OUTPUT_DIR>/texts/text_tables.cpp (each language's texts in the order
# of TextId, nullptr where a language has none). en.json holds every text; de.json and
# ru.json hold only identifiers of en.json, with the same placeholders ("{wing}").
# Only CMake itself runs, so every build of the core (the browser's too) can make them.
cmake_minimum_required(VERSION 3.25)

set(languages en de ru)
set(table_names kEnglish kGerman kRussian)

# "grid.no_area" -> kGridNoArea: "k" and each part between "." and "_" capitalised.
function(text_identifier name out)
    string(REPLACE "." "_" parts "${name}")
    string(REPLACE "_" ";" parts "${parts}")
    set(identifier "k")
    foreach(part IN LISTS parts)
        string(SUBSTRING "${part}" 0 1 first)
        string(SUBSTRING "${part}" 1 -1 rest)
        string(TOUPPER "${first}" first)
        string(APPEND identifier "${first}${rest}")
    endforeach()
    set(${out} "${identifier}" PARENT_SCOPE)
endfunction()

# The text as a C++ string literal.
function(cpp_literal text out)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    string(REPLACE "\r" "\\r" text "${text}")
    string(REPLACE "\t" "\\t" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# The placeholders of a text, sorted: "{a}{b}".
function(placeholders text out)
    string(REGEX MATCHALL "{[a-z_0-9]+}" found "${text}")
    list(SORT found)
    list(REMOVE_DUPLICATES found)
    string(JOIN "" joined ${found})
    set(${out} "${joined}" PARENT_SCOPE)
endfunction()

foreach(language IN LISTS languages)
    file(READ "${TEXTS_DIR}/${language}.json" json_${language})
    string(JSON count_${language} ERROR_VARIABLE problem LENGTH "${json_${language}}")
    if(problem)
        message(FATAL_ERROR "${language}.json: ${problem}")
    endif()
endforeach()

# The identifiers, in the order of en.json's members (sorted by name).
set(names)
set(identifiers)
math(EXPR last "${count_en} - 1")
foreach(i RANGE ${last})
    string(JSON name MEMBER "${json_en}" ${i})
    string(JSON type TYPE "${json_en}" "${name}")
    if(NOT type STREQUAL "STRING")
        message(FATAL_ERROR "en.json: \"${name}\" is no text")
    endif()
    if(NOT name MATCHES "^[a-z][a-z0-9_.]*$")
        message(FATAL_ERROR "en.json: \"${name}\" is no identifier (a-z, 0-9, \"_\" and \".\")")
    endif()
    text_identifier("${name}" identifier)
    if(identifier IN_LIST identifiers)
        message(FATAL_ERROR "en.json: \"${name}\" gives ${identifier} a second time")
    endif()
    list(APPEND names "${name}")
    list(APPEND identifiers "${identifier}")
endforeach()

# Every other language names only texts of en.json, with the same placeholders.
foreach(language IN ITEMS de ru)
    if(count_${language} EQUAL 0)
        continue()
    endif()
    math(EXPR last "${count_${language}} - 1")
    foreach(i RANGE ${last})
        string(JSON name MEMBER "${json_${language}}" ${i})
        if(NOT name IN_LIST names)
            message(FATAL_ERROR "${language}.json: \"${name}\" is not in en.json")
        endif()
        string(JSON text GET "${json_${language}}" "${name}")
        string(JSON english GET "${json_en}" "${name}")
        placeholders("${text}" own)
        placeholders("${english}" expected)
        if(NOT own STREQUAL expected)
            message(FATAL_ERROR "${language}.json: \"${name}\" has the placeholders \"${own}\" "
                                "where en.json has \"${expected}\"")
        endif()
    endforeach()
endforeach()

set(header "// Generated from src/texts/en.json by cmake/KalvestaTexts.cmake; do not edit.
#pragma once

#include <cstdint>

namespace kalvesta {

// One text of the catalogue, by its name in the JSON files.
enum class TextId : uint16_t {
")
set(tables "// Generated from src/texts/*.json by cmake/KalvestaTexts.cmake; do not edit.
#include \"texts/text_tables.h\"

namespace kalvesta::texts {
")
set(name_table "\nconst char* const kNames[kTextCount] = {\n")
foreach(name identifier IN ZIP_LISTS names identifiers)
    string(APPEND header "    ${identifier},  // ${name}\n")
    string(APPEND name_table "    \"${name}\",\n")
endforeach()
string(APPEND header "};

inline constexpr int kTextCount = static_cast<int>(TextId::${identifier}) + 1;

}  // namespace kalvesta
")
string(APPEND name_table "};\n")

foreach(language table IN ZIP_LISTS languages table_names)
    string(APPEND tables "\nconst char* const ${table}[kTextCount] = {\n")
    foreach(name IN LISTS names)
        string(JSON text ERROR_VARIABLE missing GET "${json_${language}}" "${name}")
        if(missing)
            string(APPEND tables "    nullptr,\n")
        else()
            cpp_literal("${text}" literal)
            string(APPEND tables "    ${literal},\n")
        endif()
    endforeach()
    string(APPEND tables "};\n")
endforeach()
string(APPEND tables "${name_table}\n}  // namespace kalvesta::texts\n")

# Written only when changed, so that an edit of one text rebuilds only its table.
set(files text_id.h text_tables.cpp)
set(contents header tables)
foreach(file content IN ZIP_LISTS files contents)
    file(WRITE "${OUTPUT_DIR}/texts/${file}.new" "${${content}}")
    file(COPY_FILE "${OUTPUT_DIR}/texts/${file}.new" "${OUTPUT_DIR}/texts/${file}" ONLY_IF_DIFFERENT)
    file(REMOVE "${OUTPUT_DIR}/texts/${file}.new")
endforeach()
