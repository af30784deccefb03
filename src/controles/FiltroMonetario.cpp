#include "controles/FiltroMonetario.h"

DecisaoTeclaMonetaria FiltraTeclaMonetaria(QStringView texto, int inicio, int tamanho, QChar tecla,
                                           int maxDigitosInteiros) {
  const int s = inicio;
  const int e = inicio + tamanho;
  // 1-based position of the separator; a separator inside the selection counts as absent.
  int p = int(texto.indexOf(u',')) + 1;
  if (p == 0 || (s <= p && p < e)) p = int(texto.size()) + 1;
  const int b = p - tamanho;  // where the separator will stand once the selection is replaced

  DecisaoTeclaMonetaria d;
  if (tecla == u'.' || tecla == u',') {
    if (b > s && s <= maxDigitosInteiros) {
      d.aceita = true;
      d.caractere = u',';
    }
    return d;
  }
  if (tecla < u'0' || tecla > u'9') return d;
  if (b > s && (s >= maxDigitosInteiros || b > maxDigitosInteiros)) return d;
  if (b < s - 1) return d;
  d.aceita = true;
  d.caractere = tecla;
  d.avanca = b < s || (maxDigitosInteiros == 3 && b == s);
  return d;
}
