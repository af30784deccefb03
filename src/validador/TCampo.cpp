#include "validador/TCampo.h"

#include <algorithm>

#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/NomeContribuinte.h"
#include "nucleo/TTolvItem.h"
#include "validador/TArquivoDados.h"

namespace {
constexpr int kErroTipoRendimentoCodigo = 313;
constexpr int kNomeSemTipoAdvogado = 272;
// Longer values counted past 16 bits: always beyond any size of the layout.
constexpr int kComprimentoLimite = 32768;
constexpr size_t kRegrasBase = 5;
}  // namespace

TCampo::TCampo(TArquivoDados& dados, const Atributos& atributos) : TCampo(dados, atributos, Tabela()) {}

TCampo::TCampo(TArquivoDados& dados, const Atributos& atributos, const TabelaRegras& tabela)
    : TPrimitivo(dados, tabela), m_atributos(atributos) {
  m_atributos.dominio = m_atributos.dominio.toUpper();
  Registra();
}

void TCampo::Registra() {
  for (const char* nome : {"ER_TamanhoMaximo", "ER_Obrigatorio", "ER_ConteudoObrigatorio", "ER_Formato", "ER_Preenchimento"})
    RegistraRegra(QString::fromLatin1(nome));
  // A field that may be empty cannot fail the obligation, one without a domain the domain, one of
  // variable length the fill: those never run.
  m_regras[1].sempreVale = m_atributos.podeVazio;
  m_regras[2].sempreVale = m_atributos.dominio.isEmpty();
  m_regras[4].sempreVale = m_atributos.tipo == kVariavel;
  if (SeAviso()) SetCategoria(kCategoriaAviso);
  for (const QString& nome : m_atributos.regras) RegistraRegra(nome);
}

const TabelaRegras& TCampo::Tabela() {
  using T = TCampo;
  static const TabelaRegras tabela(
      "TCampo", &TPrimitivo::Tabela(),
      {{"ER_TamanhoMaximo", &RegraDe<T, &T::ER_TamanhoMaximo>},
       {"ER_Obrigatorio", &RegraDe<T, &T::ER_Obrigatorio>},
       {"ER_ConteudoObrigatorio", &RegraDe<T, &T::ER_ConteudoObrigatorio>},
       {"ER_Formato", &RegraDe<T, &T::ER_Formato>},
       {"ER_Preenchimento", &RegraDe<T, &T::ER_Preenchimento>},
       {"RN_Tipo_de_Rendimento_valido", &RegraDe<T, &T::RN_Tipo_de_Rendimento_valido>},
       {"RN_Tipo_de_Rendimento_Valido_Para_Codigo", &RegraDe<T, &T::RN_Tipo_de_Rendimento_Valido_Para_Codigo>},
       {"ER_CPF_CNPJ_Advogado_TamanhoValido", &RegraDe<T, &T::ER_CPF_CNPJ_Advogado_TamanhoValido>},
       {"RN_CPF_AdvogadoValido", &RegraDe<T, &T::RN_CPF_AdvogadoValido>},
       {"RN_CNPJ_AdvogadoValido", &RegraDe<T, &T::RN_CNPJ_AdvogadoValido>},
       {"RN_Nome_AdvogadoValido", &RegraDe<T, &T::RN_Nome_AdvogadoValido>},
       {"RN_Tamanho_Nome_advogado", &RegraDe<T, &T::RN_Tamanho_Nome_advogado>},
       {"ER_NI_Nome_Obrigatorio", &RegraDe<T, &T::ER_NI_Nome_Obrigatorio>},
       {"ER_Data_do_Laudo_indevido", &RegraDe<T, &T::ER_Data_do_Laudo_indevido>},
       {"ER_Tipo_BRPDE", &RegraDe<T, &T::ER_Tipo_BRPDE>},
       {"RN_CPF_CNPJ_remessa_valido", &RegraDe<T, &T::RN_CPF_CNPJ_remessa_valido>},
       {"RN_Fonte_pagadora_PJ_Beneficiario_PJ_Valida", &RegraDe<T, &T::RN_Fonte_pagadora_PJ_Beneficiario_PJ_Valida>},
       {"RN_Declarante_PJ_Beneficiario_PJ_Valida", &RegraDe<T, &T::RN_Declarante_PJ_Beneficiario_PJ_Valida>},
       {"RN_Fonte_Pagadora_valida", &RegraDe<T, &T::RN_Fonte_Pagadora_valida>},
       {"RN_Dependente_Igual_Titular_Plano", &RegraDe<T, &T::RN_Dependente_Igual_Titular_Plano>}});
  return tabela;
}

void TCampo::SetPosicao(int posicao) {
  m_posicao = posicao;
  m_textoCampoPadrao = QStringLiteral(" Campo: ") + QString::number(posicao) + u' ';
}

void TCampo::DefineValor(QStringView item, bool maiusculas) {
  // Copied into the field's own buffer: a field reused line after line allocates nothing.
  const qsizetype tamanho = item.size();
  if (m_valor.size() != tamanho) m_valor.resize(tamanho);
  QChar* destino = m_valor.data();
  const QChar* origem = item.data();
  bool formato = true;
  if (maiusculas) {
    for (qsizetype i = 0; i < tamanho; ++i) {
      const char16_t c = origem[i].unicode();
      destino[i] = c >= u'a' && c <= u'z' ? QChar(char16_t(c - 32)) : c < 0x80 ? QChar(c) : origem[i].toUpper();
    }
    formato = m_atributos.formato != kAlfanumerico || !m_valor.contains(u'|');
  } else if (m_atributos.formato == kNumerico) {
    for (qsizetype i = 0; i < tamanho; ++i) {
      const char16_t c = origem[i].unicode();
      destino[i] = c;
      formato = formato && c >= u'0' && c <= u'9';
    }
  } else {
    std::copy(origem, origem + tamanho, destino);
    formato = m_atributos.formato != kAlfanumerico || !QStringView(origem, tamanho).contains(u'|');
  }
  m_base = formato && BaseValeSemFormato() ? Base::Vale : Base::NaoVale;
}

void TCampo::Valida() {
  if (!m_textoCampo.isSharedWith(m_textoCampoPadrao)) m_textoCampo = m_textoCampoPadrao;
  ValorLogDoValor();
  // Most values pass the base rules, which leave nothing behind when they hold: a value that
  // passes them in one pass only runs the field's own rules. Any other runs them all, in order.
  const bool base = m_base == Base::NaoVista ? BaseVale() : m_base == Base::Vale;
  m_base = Base::NaoVista;
  if (!base) {
    ExecutaRegras();
  } else if (m_regras.size() > kRegrasBase) {
    m_comprimento = int(m_valor.size());
    ExecutaRegras(kRegrasBase);
  } else {
    m_comprimento = int(m_valor.size());
    m_valido = true;
  }
}

bool TCampo::BaseVale() const {
  const QChar* c = m_valor.constData();
  const qsizetype tamanho = m_valor.size();
  if (m_atributos.formato == kNumerico) {
    for (qsizetype i = 0; i < tamanho; ++i)
      if (c[i] < u'0' || c[i] > u'9') return false;
  } else if (m_atributos.formato == kAlfanumerico && m_valor.contains(u'|')) {
    return false;
  }
  return BaseValeSemFormato();
}

// Size, obligation, fill and domain; the format is seen by the caller.
bool TCampo::BaseValeSemFormato() const {
  const qsizetype tamanho = m_valor.size();
  if (tamanho > m_atributos.tamanho) return false;
  if (tamanho == 0) return m_atributos.podeVazio;
  if (m_atributos.tipo == kFixo && tamanho < m_atributos.tamanho) return false;
  return m_atributos.dominio.isEmpty() || m_valor == m_ultimoNoDominio;
}

bool TCampo::ER_TamanhoMaximo() {
  const qsizetype tamanho = m_valor.size();
  m_comprimento = tamanho >= kComprimentoLimite ? m_atributos.tamanho + 1 : int(tamanho);
  return m_comprimento <= m_atributos.tamanho;
}

bool TCampo::ER_Obrigatorio() { return m_atributos.podeVazio || !m_valor.isEmpty(); }

bool TCampo::ER_ConteudoObrigatorio() {
  if (m_atributos.dominio.isEmpty()) return true;
  if (m_valor.isEmpty()) return m_atributos.podeVazio;
  if (m_valor == m_ultimoNoDominio) return true;
  if (!m_atributos.dominio.contains(m_valor, Qt::CaseInsensitive)) return false;
  m_ultimoNoDominio = QString(m_valor.constData(), m_valor.size());
  return true;
}

bool TCampo::ER_Formato() {
  const qsizetype limite = qMin<qsizetype>(m_comprimento, m_valor.size());
  const QChar* c = m_valor.constData();
  switch (m_atributos.formato) {
    case kAlfanumerico:
      for (qsizetype i = 0; i < limite; ++i)
        if (c[i] == u'|') return false;
      return true;
    case kNumerico:
      for (qsizetype i = 0; i < limite; ++i) {
        if (c[i] < u'0' || c[i] > u'9') {
          // The record's rules and actions see a field with letters in a number as empty.
          FixaValorLog();
          m_valor.resize(0);
          return false;
        }
      }
      return true;
    default:
      return true;
  }
}

bool TCampo::ER_Preenchimento() {
  return m_atributos.tipo == kVariavel || m_valor.isEmpty() || m_valor.size() >= m_atributos.tamanho;
}

bool TCampo::RN_Tipo_de_Rendimento_valido() {
  const ResultadoSecao r = m_dados->Servicos().ValidaTipoRendimento(m_dados->CodigoReceitaRemessa, m_valor);
  return r.valido() || r.codigo == kErroTipoRendimentoCodigo;
}

bool TCampo::RN_Tipo_de_Rendimento_Valido_Para_Codigo() {
  const ResultadoSecao r = m_dados->Servicos().ValidaTipoRendimento(m_dados->CodigoReceitaRemessa, m_valor);
  return r.valido() || r.codigo != kErroTipoRendimentoCodigo;
}

bool TCampo::ER_CPF_CNPJ_Advogado_TamanhoValido() {
  return m_valor.isEmpty() || m_valor.size() == 11 || m_valor.size() == 14;
}

bool TCampo::RN_CPF_AdvogadoValido() {
  uint8_t& tipo = m_dados->TipoAdvogado;
  const qsizetype tamanho = m_valor.size();
  bool valido = m_valor.isEmpty();
  if (!valido) {
    if (tipo == 1)
      valido = TCpf::ValidaCpf(m_valor, false) == 0;
    else if (tamanho == 14)
      valido = true;
    else if (tamanho == 11)
      valido = tipo == 2 || (tipo == 0 && TCpf::ValidaCpf(m_valor, false) == 0);
  }
  if (tamanho == 11 && tipo == 0) tipo = 1;
  m_dados->NiAdvogado = m_valor;
  return valido;
}

bool TCampo::RN_CNPJ_AdvogadoValido() {
  uint8_t& tipo = m_dados->TipoAdvogado;
  const qsizetype tamanho = m_valor.size();
  bool valido = m_valor.isEmpty();
  if (!valido) {
    if (tipo == 2)
      valido = TCnpj::ValidaCnpj(m_valor, false, false) == 0;
    else if (tipo == 1)
      valido = tamanho == 11 || tamanho == 14;
    else if (tipo == 0)
      valido = tamanho == 11 || (tamanho == 14 && TCnpj::ValidaCnpj(m_valor, false, false) == 0);
  }
  if (tipo == 0 && tamanho == 14) tipo = 2;
  return valido;
}

bool TCampo::RN_Nome_AdvogadoValido() {
  const uint8_t tipo = m_dados->TipoAdvogado;
  if (tipo == 0) {
    if (m_valor.isEmpty()) return true;
    SetMensagemRegra(TextoCodigo(kNomeSemTipoAdvogado));
    return false;
  }
  QString nome = m_valor;
  const int codigo = TNomeContribuinte::ValidaNome(nome, tipo == 1 ? 1 : 2, true);
  if (codigo == 0) return true;
  SetMensagemRegra(TextoCodigo(codigo));
  return false;
}

bool TCampo::RN_Tamanho_Nome_advogado() { return m_dados->TipoAdvogado != 1 || m_valor.size() <= 60; }

bool TCampo::ER_NI_Nome_Obrigatorio() {
  const bool semNi = m_dados->NiAdvogado.isEmpty();
  if (semNi && !m_valor.isEmpty()) {
    SetMensagemRegra(QStringLiteral("CPF/CNPJ obrigatório quando o nome do advogado for informado"));
    SetValorLog(QString());
    return false;
  }
  if (!semNi && m_valor.isEmpty()) {
    SetMensagemRegra(QStringLiteral("Nome obrigatório quando CPF/CNPJ do advogado for informado"));
    return false;
  }
  return true;
}

bool TCampo::ER_Data_do_Laudo_indevido() {
  if (m_valor.isEmpty()) return true;
  const TTolvItem* item = m_dados->ItemAtual();
  const QString codigo = item ? item->GetCodigoRetencao().GetCodigo() : QString();
  if (codigo.isEmpty()) return true;
  SetValorLog(m_valor);
  SetArgumentos(codigo);
  return (item->GetCodigoRetencao().GetIsentoMolestia() || m_dados->ExisteRra) && m_dados->TipoDeclarante != 1;
}

bool TCampo::ER_Tipo_BRPDE() {
  m_dados->Remessa.tipoBeneficiario = m_valor == u"1" ? 1 : m_valor == u"2" ? 2 : 0;
  return true;
}

bool TCampo::RN_CPF_CNPJ_remessa_valido() {
  DadosRemessa& remessa = m_dados->Remessa;
  bool valido = m_valor.isEmpty();
  if (!valido) {
    if (remessa.tipoBeneficiario == 1)
      valido = TCpf::ValidaCpf(m_valor, false) == 0;
    else if (remessa.tipoBeneficiario == 2)
      valido = TCnpj::ValidaCnpj(m_valor, false, false) == 0;
  }
  if (valido) {
    if (!m_valor.isEmpty()) remessa.ni = m_valor;
    remessa.tipoNi = remessa.tipoBeneficiario == 1 ? QStringLiteral("F") : QStringLiteral("J");
  }
  return valido;
}

bool TCampo::RN_Fonte_pagadora_PJ_Beneficiario_PJ_Valida() {
  return m_dados->Remessa.tipoBeneficiario != 1 || m_valor.isEmpty();
}

bool TCampo::RN_Declarante_PJ_Beneficiario_PJ_Valida() { return m_dados->TipoDeclarante != 1 || m_valor.isEmpty(); }

bool TCampo::RN_Fonte_Pagadora_valida() {
  return m_dados->Remessa.tipoBeneficiario != 2 || m_valor.isEmpty() || m_dados->Servicos().RelacaoExiste(m_valor);
}

bool TCampo::RN_Dependente_Igual_Titular_Plano() { return m_valor.isEmpty() || m_valor != m_dados->UltimoTitular; }

bool TCampo::AnoCalendarioEntre(QStringView primeiro, QStringView segundo) const {
  return m_valor == primeiro || m_valor == segundo;
}

bool TCampo::Tipo2PessoaFisica() const { return m_dados->TipoDeclarante != 1 || m_valor != u"2"; }

bool TCampo::Tipo2SemJustica() const { return m_dados->IndProcesso || m_valor != u"2"; }

bool TCampo::BeneficiarioRraDiferenteDeclarante() const {
  return m_dados->TipoDeclarante != 1 || m_valor != m_dados->NiDeclarante;
}
