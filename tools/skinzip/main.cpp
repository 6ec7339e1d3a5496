// skinzip <out.zip> <theme folder>: packs the files of a theme folder into a
// skin zip, as the skin browser reads skins, with libzip: compressed, in name
// order, each with one fixed time, so that the same theme always makes the
// same archive.
#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// 2000-01-01 00:00:00 UTC: a zip's DOS times start in 1980.
constexpr std::time_t FIXED_TIME = 946684800;

std::vector<std::filesystem::path> filesOf(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The whole file (length -1), read when the archive is written.
bool addFile(zip_t* archive, const std::filesystem::path& file)
{
    zip_source_t* source = zip_source_file(archive, file.c_str(), 0, -1);
    if (!source)
        return false;
    const zip_int64_t index = zip_file_add(archive, file.filename().c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    return zip_file_set_mtime(archive, zip_uint64_t(index), FIXED_TIME, 0) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: skinzip <out.zip> <theme folder>\n");
        return 2;
    }
    int error = 0;
    zip_t* archive = zip_open(argv[1], ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        std::fprintf(stderr, "skinzip: cannot create %s (libzip error %d)\n", argv[1], error);
        return 1;
    }
    for (const auto& file : filesOf(argv[2])) {
        if (!addFile(archive, file)) {
            std::fprintf(stderr, "skinzip: cannot add %s: %s\n", file.c_str(), zip_strerror(archive));
            zip_discard(archive);
            return 1;
        }
    }
    if (zip_close(archive) != 0) {
        std::fprintf(stderr, "skinzip: cannot write %s: %s\n", argv[1], zip_strerror(archive));
        zip_discard(archive);
        return 1;
    }
    return 0;
}
