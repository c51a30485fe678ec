#include "DatasetUserDirectory.h"

#include "data/ColumnLists.h"
#include "data/DM.h"

namespace rmnra {

std::optional<StoredUser> DatasetUserDirectory::findUser(const std::string& encodedName) {
    CachedDataset& usuarios = dm_.Usuarios;
    usuarios.close();
    // The parameter is as wide as the encoded name may be: compared with the narrower column
    // as it stands, a long name would be refused by the server instead of simply not found.
    usuarios.setQuery(CachedDataset::composeSelect(UsuariosColumns, "USUARIOS",
                                                   " where USUARIO = cast(? as varchar(60))"),
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
