#include "Client.h"

#include "Status.h"
#include "common/SuiteFolder.h"

#include <dlfcn.h>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>

namespace rmnra::fb {

std::string clientLibraryPath(const std::string& suiteFolder) {
    std::ifstream in(suiteFolder + "CaminhoGDS.txt", std::ios::binary);
    if (!in)
        return kClientLibraryName;
    std::string line;
    char c;
    while (line.size() < 100 && in.get(c) && c != '\n' && c != '\r')
        line += c;
    if (line.empty())
        return kClientLibraryName;
    return withTrailingSeparator(line) + kClientLibraryName;
}

Client& Client::load(const std::string& libraryPath) {
    static std::mutex mutex;
    // Never destroyed: the library stays loaded until the process ends.
    static auto* clients = new std::map<std::string, std::unique_ptr<Client>>;
    std::lock_guard lock(mutex);
    auto& slot = (*clients)[libraryPath];
    if (!slot)
        slot.reset(new Client(libraryPath));
    return *slot;
}

Client::Client(std::string path) : path_(std::move(path)) {
    void* handle = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        throw Error("N\xE3o foi poss\xEDvel carregar a biblioteca cliente do banco de dados " +
                    path_ + ": " + (why ? why : ""));
    }
    using GetMaster = Firebird::IMaster* (*)();
    auto get = reinterpret_cast<GetMaster>(dlsym(handle, "fb_get_master_interface"));
    if (!get) {
        dlclose(handle);
        throw Error("A biblioteca " + path_ + " n\xE3o tem fb_get_master_interface.");
    }
    master_ = get();
    util_ = master_->getUtilInterface();
    dispatcher_ = master_->getDispatcher();
}

} // namespace rmnra::fb
