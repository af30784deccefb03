#include "validador/TLinha.h"

#include "validador/TRegrasAnalisador.h"

namespace {
const QString kRegistroX = QStringLiteral(" Registro: XXXXX");
const QString kCampoX = QStringLiteral(" Campo: XXXXX");
}  // namespace

TLinha::TLinha(TArquivoDados& dados) : TPrimitivo(dados, Tabela()) {
  RegistraRegra(QStringLiteral("ER_RegistroDesconhecido"));
  RegistraRegra(QStringLiteral("ER_NumeroDeDelimitadores"));
}

const TabelaRegras& TLinha::Tabela() {
  static const TabelaRegras tabela(
      "TLinha", &TPrimitivo::Tabela(),
      {{"ER_RegistroDesconhecido", &RegraDe<TLinha, &TLinha::ER_RegistroDesconhecido>},
       {"ER_NumeroDeDelimitadores", &RegraDe<TLinha, &TLinha::ER_NumeroDeDelimitadores>}});
  return tabela;
}

void TLinha::Define(const QString& texto) {
  m_texto = texto;
  Divide();
}

void TLinha::Divide() {
  m_itens.Divide(m_texto);
  m_numeroCampos = m_itens.Quantidade() - 2;
}

void TLinha::Valida() {
  // The pieces of a finding are built by the rule that fails: a valid line builds none.
  m_textoRegistro.clear();
  // A known identifier and the final bar: both rules hold, and the first one's only effect is the
  // line's type. Any other line runs them, to say which one fails.
  if (m_numeroCampos >= 0 && m_itens.Contagem() - 1 == m_numeroCampos) {
    const int tipo = TRegrasAnalisador::TipoDaLinha(Campo(0));
    if (tipo >= 0) {
      m_tipo = TipoDoOrdinal(tipo);
      m_valido = true;
      return;
    }
  }
  ExecutaRegras();
  if (m_valido) {
    m_textoRegistro.clear();
  } else {
    m_textoRegistro = kRegistroX;
    m_textoCampo = kCampoX;
  }
}

bool TLinha::ER_RegistroDesconhecido() {
  if (m_numeroCampos < 0) {
    m_textoRegistro = kRegistroX;
    m_textoCampo = kCampoX;
    return false;
  }
  const int tipo = TRegrasAnalisador::TipoDaLinha(Campo(0));
  if (tipo < 0) {
    m_textoRegistro = QStringLiteral(" Registro: ") + Campo(0).toString();
    m_textoCampo = kCampoX;
    return false;
  }
  m_tipo = TipoDoOrdinal(tipo);
  return true;
}

bool TLinha::ER_NumeroDeDelimitadores() {
  if (m_itens.Contagem() - 1 == m_numeroCampos) return true;
  m_textoRegistro = QStringLiteral(" Registro: ") + Campo(0).toString().toUpper();
  m_textoCampo = kCampoX;
  return false;
}
