#include "skin/builtin_skin.h"

#include <QtCore/qglobal.h>

#include <mutex>

// Q_INIT_RESOURCE declares a function, so it must be used outside any namespace. In a static
// library nothing else pulls the compiled resources into the program.
static void InitBuiltinSkinResources() {
  Q_INIT_RESOURCE(builtin_skin);
}

namespace sudoku {

void RegisterBuiltinSkin() {
  static std::once_flag once;
  std::call_once(once, InitBuiltinSkinResources);
}

}  // namespace sudoku
