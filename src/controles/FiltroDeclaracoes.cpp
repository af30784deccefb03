#include "controles/FiltroDeclaracoes.h"

#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"

namespace FiltroDeclaracoes {

namespace {

const QString kSelect = QStringLiteral(
    "select TOLV_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, AN_RETENCA, DATA_GERA, IN_RETIFIC, IN_ENCERRA, IN_STATUS, "
    "ARQUIVO from TOLVS");
// Kind, number and year are unique together: their index gives the rows in this order, so the
// first page comes without sorting the whole list.
const QString kOrdem = QStringLiteral("order by IN_PF_PJ, NR_PF_PJ, AN_RETENCA");

bool SoDigitos(QStringView texto) {
  for (QChar c : texto)
    if (c < u'0' || c > u'9') return false;
  return true;
}

// Whether the text of a complete number of this base length carries a correct check digit.
bool ConfereBase(const QString& texto, int tamanhoBase, QString (*calculaDV)(const QString&)) {
  const QString base = texto.left(tamanhoBase);
  if (!SoDigitos(base)) return false;
  const QString dv = calculaDV(base);
  if (dv.size() != 2) return false;
  if (texto.size() == tamanhoBase + 1) return texto[tamanhoBase] == dv[0];
  return texto[tamanhoBase] == dv[0] || texto[tamanhoBase + 1] == dv[1];
}

}  // namespace

QString Clausula::Where() const {
  return condicoes.isEmpty() ? QString() : QStringLiteral("where ") + condicoes.join(QStringLiteral(" AND "));
}

Clausula Monta(const Caixas& caixas, bool limiteAno) {
  Clausula c;
  const auto adiciona = [&c](const QString& condicao, const QString& parametro, const QString& valor) {
    c.condicoes << condicao;
    c.parametros << parametro;
    c.valores << bd::Dado(valor);
  };
  if (limiteAno) adiciona(QStringLiteral("AN_RETENCA <= :ANO_MAXIMO"), QStringLiteral("ANO_MAXIMO"), kAnoMaximo);
  // STARTING WITH is LIKE 'text%' without wildcards in the text, and it uses the indexes.
  if (!caixas.numero.isEmpty())
    adiciona(QStringLiteral("NR_PF_PJ STARTING WITH :NUMERO"), QStringLiteral("NUMERO"), caixas.numero);
  // The database upper-cases the accented letters of its character set as well.
  if (!caixas.nome.isEmpty())
    adiciona(QStringLiteral("UPPER(NM_NM_EMPR) STARTING WITH :NOME"), QStringLiteral("NOME"), caixas.nome.toUpper());
  if (!caixas.ano.isEmpty())
    adiciona(QStringLiteral("AN_RETENCA STARTING WITH :ANO"), QStringLiteral("ANO"), caixas.ano);
  return c;
}

QString Sql(const Clausula& clausula) {
  const QString where = clausula.Where();
  return where.isEmpty() ? kSelect + u'\n' + kOrdem : kSelect + u'\n' + where + u'\n' + kOrdem;
}

bool DigitoVerificadorConfere(const QString& texto, bool focoNoNumero) {
  if (!focoNoNumero) return false;
  switch (texto.size()) {
    case 10:
    case 11:
      return ConfereBase(texto, 9, &TCpf::CalculaDVCpf);
    case 13:
    case 14:
      return ConfereBase(texto, 12, &TCnpj::CalculaDVCnpj);
    default:
      return false;
  }
}

bool TeclaPermitida(QChar caractere) {
  const char16_t c = caractere.unicode();
  return (c >= u'0' && c <= u'9') || c == 3 || c == 8 || c == 9 || c == 13 || c == 22 || c == 24 || c == 27;
}

}  // namespace FiltroDeclaracoes
