#include "collection/working_copy.h"

#include <filesystem>

#include "settings/settings_file.h"
#include "settings/text_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"

namespace vestrano {

std::string workingCopyPath(const std::string& folder) {
    return (std::filesystem::path(folder) / "vestrano.tmp").string();
}

Status colnew(const std::string& path) {
    return writeFileAtomically(path, "[Vestrano]\r\n\r\n[Funktionenplotter]\r\n\r\n"
                                     "[Kurvenplotter]\r\n\r\n");
}

void colinit(ProgramContext& ctx, const std::string& folder) {
    FileNames& files = ctx.state.files;
    files.colchanged = false;
    files.colfile.clear();
    if (folder.empty()) {
        files.tmpfile.clear();
        return;
    }
    files.tmpfile = workingCopyPath(folder);
    removeStaleTemporaries(files.tmpfile);
    std::error_code error;
    if (std::filesystem::exists(files.tmpfile, error)) {
        loadopts(ctx, files.tmpfile);
        return;
    }
    if (const Status made = colnew(files.tmpfile); !made.ok()) {
        tellNotWritten(ctx.ui, files.tmpfile, made.reason());
    }
}

} // namespace vestrano
