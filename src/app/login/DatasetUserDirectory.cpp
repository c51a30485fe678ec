#include "DatasetUserDirectory.h"

#include "data/ColumnLists.h"
#include "data/DM.h"

namespace rmnra {

std::optional<StoredUser> DatasetUserDirectory::findUser(const std::string& encodedName) {
    CachedDataset& usuarios = dm_.Usuarios;
    usuarios.close();
    usuarios.setQuery(
        CachedDataset::composeSelect(UsuariosColumns, "USUARIOS", " where USUARIO = ?"),
        {fb::Value(encodedName)});
    usuarios.open();
    std::optional<StoredUser> user;
    if (!usuarios.isEmpty()) {
        usuarios.first();
        user =
            StoredUser{usuarios.text("USUARIO"), usuarios.text("SENHA"), usuarios.text("ACESSO")};
    }
    usuarios.close();
    return user;
}

} // namespace rmnra
