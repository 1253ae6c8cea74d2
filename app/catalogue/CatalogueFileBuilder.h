#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kaj::catalogue {

extern const char* const kMakeDataFilesQuestion;

// The lines of KajItems2.scp for the sorted item records: a category header where
// the category changes, a section header where the section changes or a category
// header was written (letter case ignored), and Name|ObjType|Graphic per record.
std::vector<std::string> itemScriptLines(const std::vector<std::string>& itemRecords);

struct DataFileOutcome {
    bool backedUp = false;
    bool written = false;
    std::filesystem::path file;
    std::filesystem::path backup;
    std::string backupError;  // why the backup failed; the file was then left as it was
    std::string error;        // why writing failed
};

struct DataFilesResult {
    DataFileOutcome items;  // KajItems2.scp, backed up as KajItems2.bak
    DataFileOutcome npcs;   // KajChar.scp, backed up as KajChar.bak
};

// Backs up, then writes, KajItems2.scp and KajChar.scp in the folder. Each step
// that fails is skipped and the next one runs; a file that cannot be written
// keeps its previous content.
DataFilesResult writeCatalogueDataFiles(const std::filesystem::path& programFolder,
                                        const std::vector<std::string>& itemRecords,
                                        const std::vector<std::string>& npcRecords);

// The completion message, naming the backups that were made and any file that
// could not be written.
std::string dataFilesMessage(const DataFilesResult& result);

}  // namespace kaj::catalogue
