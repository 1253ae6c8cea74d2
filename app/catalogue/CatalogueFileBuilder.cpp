#include "CatalogueFileBuilder.h"

#include "AsciiCase.h"
#include "ConfigText.h"
#include "FileLookup.h"
#include "PathText.h"
#include "TextFile.h"
#include "TextRoutines.h"

namespace kaj::catalogue {
namespace {

const std::string kLineEnd = "\r\n";

DataFileOutcome backUpAndWrite(const std::filesystem::path& folder, const char* scriptName,
                               const char* backupName, const std::vector<std::string>& lines) {
    DataFileOutcome outcome;
    const auto existing =
        platform::findCaseInsensitive(folder, scriptName, platform::EntryKind::File);
    outcome.file = existing.value_or(folder / scriptName);
    outcome.backup = folder / backupName;
    const auto result = platform::writeTextLinesBackedUp(outcome.file, outcome.backup, lines);
    outcome.backedUp = result.backedUp;
    outcome.backupError = result.backupError;
    outcome.written = result.ok();
    outcome.error = result.written.error;
    return outcome;
}

}  // namespace

const char* const kMakeDataFilesQuestion =
    "                        WARNING!!\r\n"
    "\r\n"
    "This creates data files needed by users of Kaj that\r\n"
    "do not have POL installed on the same machine.\r\n"
    "\r\n"
    "Do you wish to make data files for your staff to use?";

std::vector<std::string> itemScriptLines(const std::vector<std::string>& itemRecords) {
    std::vector<std::string> lines;
    std::string previousCategory;
    std::string previousSection;
    for (const auto& record : itemRecords) {
        const auto fields = splitFields(record);
        const std::string category = common::trimBlanks(fieldOr(fields, 0));
        const std::string section = common::trimBlanks(fieldOr(fields, 1));
        if (!platform::equalsIgnoringAsciiCase(category, previousCategory)) {
            lines.push_back("# # # # # # # # # # # # # # Category = " + category);
            previousCategory = category;
            previousSection.clear();
            lines.push_back("- - - - - - - - - - - - - - Section = " + section);
            previousSection = section;
        } else if (!platform::equalsIgnoringAsciiCase(section, previousSection)) {
            lines.push_back("- - - - - - - - - - - - - - Section = " + section);
            previousSection = section;
        }
        lines.push_back(std::string(fieldOr(fields, 2)) + "|" + std::string(fieldOr(fields, 3)) +
                        "|" + std::string(fieldOr(fields, 4)));
    }
    return lines;
}

DataFilesResult writeCatalogueDataFiles(const std::filesystem::path& programFolder,
                                        const std::vector<std::string>& itemRecords,
                                        const std::vector<std::string>& npcRecords) {
    DataFilesResult result;
    result.items = backUpAndWrite(programFolder, "KajItems2.scp", "KajItems2.bak",
                                  itemScriptLines(itemRecords));
    result.npcs = backUpAndWrite(programFolder, "KajChar.scp", "KajChar.bak", npcRecords);
    return result;
}

std::string dataFilesMessage(const DataFilesResult& result) {
    std::string message;
    const bool itemsBackedUp = result.items.written && result.items.backedUp;
    const bool npcsBackedUp = result.npcs.written && result.npcs.backedUp;
    if (!result.items.written && !result.npcs.written) {
        message = "No data files were created.";
    } else if (itemsBackedUp && npcsBackedUp) {
        message = "Datafiles have been created in the Kaj directory and backups" + kLineEnd +
                  "of KajItems2.scp and KajChar.scp were created." + kLineEnd + kLineEnd +
                  "To recover them simply rename them from .bak to .scp";
    } else if (itemsBackedUp || npcsBackedUp) {
        message = "Datafiles have been created in the Kaj directory and a backup" + kLineEnd +
                  "of " + (itemsBackedUp ? "KajItems2.scp" : "KajChar.scp") + " was created." +
                  kLineEnd + kLineEnd + "To recover it simply rename it from .bak to .scp";
    } else {
        message = "Datafiles have been created in the Kaj directory." + kLineEnd +
                  "There were no earlier data files to back up.";
    }
    for (const auto* failed : {&result.items, &result.npcs}) {
        if (!failed->backupError.empty()) {
            message += kLineEnd + kLineEnd + platform::pathInMessage(failed->backup) +
                       " could not be written (" + failed->backupError + "); " +
                       platform::pathInMessage(failed->file) + " was not changed.";
        } else if (!failed->written) {
            message += kLineEnd + kLineEnd + platform::pathInMessage(failed->file) +
                       " could not be written (" + failed->error + "); the previous file was kept.";
        }
    }
    return message;
}

}  // namespace kaj::catalogue
