#pragma once

#include <QString>

// The program's folders, computed from the executable's own folder, never from the current one.
QString DiretorioPrograma();  // without a trailing '/'
QString DiretorioDados();     // DiretorioPrograma() + "/DADOS"
QString DiretorioTemp();      // DiretorioPrograma() + "/DADOS/TEMP"

// The path without any trailing '/' or '\' (all of them); an empty path stays empty.
QString RemoveBarraFinal(const QString& caminho);
