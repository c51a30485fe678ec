#include "SuiteCreator.h"

#include "DemoData.h"
#include "Schema.h"
#include "common/SuiteFolder.h"
#include "fb/Attachment.h"
#include "fb/Client.h"

#include <filesystem>
#include <vector>

namespace rmnra {
namespace {

namespace fs = std::filesystem;

// Removes the files created so far unless the whole suite was made.
class CreatedFiles {
public:
    ~CreatedFiles() {
        if (done_)
            return;
        std::error_code ec;
        for (const auto& f : files_)
            fs::remove(f, ec);
    }
    void add(const std::string& f) { files_.push_back(f); }
    void keep() { done_ = true; }

private:
    std::vector<std::string> files_;
    bool done_ = false;
};

} // namespace

void createSuite(const std::string& folder, bool demo, const std::string& libraryPath) {
    const std::string root = withTrailingSeparator(folder);
    const std::string mainDb = root + "dados/orvantis.bd";
    const std::vector<std::string> workAreaDbs = {root + "interfac/orvantis.bd",
                                                  root + "interfac01/orvantis.bd"};
    for (const auto& f : std::vector<std::string>{mainDb, workAreaDbs[0], workAreaDbs[1]})
        if (fs::exists(f))
            throw SuiteCreationRefused("O banco de dados " + f +
                                       " j\xE1 existe e n\xE3o ser\xE1 substitu\xED"
                                       "do.");
    for (const char* sub : {"dados", "interfac", "interfac01", "RPT", "LOG"}) {
        std::error_code ec;
        fs::create_directories(root + sub, ec);
        if (ec)
            throw SuiteCreationRefused("N\xE3o foi poss\xEDvel criar a pasta " + root + sub + ": " +
                                       ec.message());
    }
    auto& client = fb::Client::load(libraryPath);
    CreatedFiles created;
    created.add(mainDb);
    auto main = createMainDatabase(client, mainDb);
    for (const auto& f : workAreaDbs) {
        created.add(f);
        createWorkAreaDatabase(client, f).detach();
    }
    if (demo)
        fillDemoData(main, root);
    main.detach();
    created.keep();
}

} // namespace rmnra
