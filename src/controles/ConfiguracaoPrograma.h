#pragma once

#include <QString>

// The settings of Tolv2014.ini that start-up and its windows read and write, one small function
// each, so that the settings file's reader can change under them in one place.
namespace ConfiguracaoPrograma {

QString caminho();  // <program folder>/Tolv2014.ini

// Section "Geral", key "JahMostrou" (default false): the news window was asked not to open.
bool jahMostrou();
bool gravaJahMostrou(bool valor);

// Section "Analisador", key "exibe" (default false).
bool analisadorExibe();

// Section "Copia de Seguranca", key "automatica" (default "1"): only "1" turns it on.
bool copiaAutomatica();

}  // namespace ConfiguracaoPrograma
