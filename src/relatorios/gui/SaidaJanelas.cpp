#include "relatorios/gui/SaidaJanelas.h"

#include "controles/ArteTolv.h"
#include "controles/ImpressaoRelatorio.h"
#include "controles/TFoPreview.h"

void SaidaJanelas::Visualiza(relatorio::Relatorio& relatorio) { MostraPreview(relatorio); }

bool SaidaJanelas::Imprime(relatorio::Relatorio& relatorio) { return ImprimeRelatorio(relatorio); }

QImage SaidaJanelas::Logo() const { return ArteTolv::imagemInicial().toImage(); }

void InstalaSaidaJanelas() {
  static SaidaJanelas saida;
  InstalaSaidaRelatorio(&saida);
}
