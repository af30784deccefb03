#include "secoes/TzuqRemessaDAO.h"

#include "plataforma/bd/Procedimento.h"
#include "secoes/ConversaoRemessa.h"
#include "secoes/TzuqRemessa.h"
#include "secoes/TzuqValorRemessa.h"
#include "secoes/TzuqValorRemessaDAO.h"

namespace {

// The country as the procedures take it: empty for none, else a number that fits the column.
QString Pais(const QString& texto) {
  const QString t = texto.trimmed();
  if (t.isEmpty()) return t;
  const int codigo = ConversaoRemessa::Inteiro(t);
  if (codigo < 0 || codigo > 32767) throw EConversaoRemessa(texto);
  return QString::number(codigo);
}

}  // namespace

TzuqRemessaDAO::TzuqRemessaDAO()
    : m_todas(bd::Consulta::Modo::Sequencial),
      m_valoresEmOrdem(bd::Consulta::Modo::Sequencial),
      m_contagem(bd::Consulta::Modo::Sequencial) {
  m_todas.defineSql(QStringLiteral("SELECT * FROM CONSULT_TODAS_REMESSA"));
  m_valoresEmOrdem.defineSql(QStringLiteral(
      "SELECT TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_CD_TIPO_RENDIMENTO, TVRE_CD_FORMA_TRIBUTACAO,\n"
      "       TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF\n"
      "FROM TB_VALOR_REMESSA\n"
      "ORDER BY TREM_ID, TVRE_ID"));
  m_contagem.defineSql(QStringLiteral("SELECT COUNT(*) AS TOTAL FROM TB_REMESSA"));
}

TzuqRemessaDAO::~TzuqRemessaDAO() = default;

void TzuqRemessaDAO::Carrega(TzuqRemessa& remessa, const bd::Consulta& linha) {
  auto texto = [&linha](const char* nome) { return linha.campo(QString::fromLatin1(nome)).texto(); };
  remessa.SetId(linha.campo(QStringLiteral("TREM_ID")).inteiro());
  remessa.SetNif(texto("TREM_NIF"));
  remessa.SetCdPais(texto("TREM_CD_PAIS"));
  remessa.SetInTipoBeneficiario(texto("TREM_IN_TIPO_BENEFICIARIO"));
  remessa.SetInBenefDispensaNif(texto("TREM_IN_BENEF_DISPENSA_NIF"));
  remessa.SetInPaisDispensaNif(texto("TREM_IN_PAIS_DISPENSA_NIF"));
  // A base gets its check digits; a whole number, valid or not, is taken as it is.
  remessa.SetNiPelaBaseComErro(texto("TREM_NI").trimmed());
  remessa.GetNome().SetNomeComErro(texto("TREM_NOME").trimmed());
  remessa.SetCdRelFonteBeneficiario(texto("TREM_CD_REL_FONTE_BENEFICIARIO"));
  remessa.SetLogradouro(texto("TREM_LOGRADOURO"));
  remessa.SetNumero(texto("TREM_NUMERO"));
  remessa.SetComplemento(texto("TREM_COMPLEMENTO"));
  remessa.SetBairro(texto("TREM_BAIRRO"));
  remessa.SetCxPostal(texto("TREM_CX_POSTAL"));
  remessa.SetCidade(texto("TREM_CIDADE"));
  remessa.SetTelefone(texto("TREM_TELEFONE"));
  remessa.SetEstado(texto("TREM_ESTADO"));
}

std::vector<std::unique_ptr<TzuqRemessa>> TzuqRemessaDAO::ConsultaTodas() {
  std::vector<std::unique_ptr<TzuqRemessa>> lista;
  Percorre(m_todas, [&lista](bd::Consulta& linha) {
    auto remessa = std::make_unique<TzuqRemessa>();
    Carrega(*remessa, linha);
    lista.push_back(std::move(remessa));
  });
  return lista;
}

void TzuqRemessaDAO::PercorreTodas(TzuqRemessa& remessa, const std::function<void(TzuqRemessa&)>& aCada) {
  Percorre(m_todas, [&](bd::Consulta& linha) {
    Carrega(remessa, linha);
    aCada(remessa);
  });
}

void TzuqRemessaDAO::PercorreComValores(TzuqRemessa& remessa, const ComValores& aCada) {
  if (!Conectado()) return;
  // Two reads in key order walked side by side: cheaper for the engine than a join it must sort.
  bd::Consulta& valores = m_valoresEmOrdem;
  valores.defineTransacao(&Transacao());
  if (!AbreDataSet(valores)) return;
  struct Fecha {
    bd::Consulta& c;
    ~Fecha() { c.fecha(); }
  } fecha{valores};
  Percorre(m_todas, [&](bd::Consulta& linha) {
    Carrega(remessa, linha);
    const int id = remessa.GetId();
    size_t linhas = 0;
    for (; !valores.eof(); valores.proximo()) {
      const int dono = valores.campo(QStringLiteral("TREM_ID")).inteiro();
      if (dono > id) break;
      if (dono < id) continue;  // a line whose beneficiary is gone
      if (linhas == m_valores.size()) m_valores.emplace_back();
      TzuqValorRemessa& valor = m_valores[linhas++];
      TzuqValorRemessaDAO::Carrega(valor, valores);
      valor.SetRemessa(&remessa);
    }
    aCada(remessa, std::span<TzuqValorRemessa>(m_valores.data(), linhas));
  });
}

void TzuqRemessaDAO::Parametros(bd::Procedimento& p, const TzuqRemessa& remessa) {
  p.param(QStringLiteral("TREM_NIF"), remessa.GetNif());
  p.param(QStringLiteral("TREM_CD_PAIS"), Pais(remessa.GetCdPais()));
  p.param(QStringLiteral("TREM_IN_TIPO_BENEFICIARIO"), remessa.GetInTipoBeneficiario());
  p.param(QStringLiteral("TREM_IN_BENEF_DISPENSA_NIF"), remessa.GetInBenefDispensaNif());
  p.param(QStringLiteral("TREM_IN_PAIS_DISPENSA_NIF"), remessa.GetInPaisDispensaNif());
  p.param(QStringLiteral("TREM_IN_PF_PJ"), remessa.GetInPfPj());
  p.param(QStringLiteral("TREM_NI"), remessa.GetNiArmazenado());
  p.param(QStringLiteral("TREM_NOME"), remessa.GetNome().GetValor().trimmed());
  p.param(QStringLiteral("TREM_CD_REL_FONTE_BENEFICIARIO"), remessa.GetCdRelFonteBeneficiario());
  p.param(QStringLiteral("TREM_LOGRADOURO"), remessa.GetLogradouro());
  p.param(QStringLiteral("TREM_NUMERO"), remessa.GetNumero());
  p.param(QStringLiteral("TREM_COMPLEMENTO"), remessa.GetComplemento());
  p.param(QStringLiteral("TREM_BAIRRO"), remessa.GetBairro());
  p.param(QStringLiteral("TREM_CX_POSTAL"), remessa.GetCxPostal());
  p.param(QStringLiteral("TREM_CIDADE"), remessa.GetCidade());
  p.param(QStringLiteral("TREM_TELEFONE"), remessa.GetTelefone());
  p.param(QStringLiteral("TREM_ESTADO"), remessa.GetEstado());
}

int TzuqRemessaDAO::Inclui(TzuqRemessa& remessa) {
  if (!Conectado()) return 0;
  bd::Procedimento& p = Procedimento(m_inclui, QStringLiteral("INCLUI_REMESSA"));
  p.param(QStringLiteral("TREM_ID"), remessa.GetId() > 0 ? bd::Dado(remessa.GetId()) : bd::Dado());
  Parametros(p, remessa);
  if (!ExecutaProcedure(p)) return 0;
  remessa.SetId(p.saida(QStringLiteral("TREM_ID_O")).inteiro());
  ConfirmaGravacao();
  return remessa.GetId();
}

void TzuqRemessaDAO::Atualiza(const TzuqRemessa& remessa) {
  if (!Conectado()) return;
  bd::Procedimento& p = Procedimento(m_atualiza, QStringLiteral("ATUALIZAR_REMESSA"));
  p.param(QStringLiteral("TREM_ID"), remessa.GetId());
  Parametros(p, remessa);
  if (ExecutaProcedure(p)) ConfirmaTransacao();
}

void TzuqRemessaDAO::Exclui(const TzuqRemessa& remessa) { Exclui(remessa.GetId()); }

void TzuqRemessaDAO::Exclui(int id) {
  if (!Conectado()) return;
  bd::Procedimento& p = Procedimento(m_exclui, QStringLiteral("EXCLUI_REMESSA"));
  p.param(QStringLiteral("TREM_ID"), id);
  if (ExecutaProcedure(p)) ConfirmaTransacao();
}

bool TzuqRemessaDAO::JaExiste(const TzuqRemessa& remessa) {
  if (!Conectado()) return false;
  bd::Procedimento& p = Procedimento(m_jaExiste, QStringLiteral("CONSULT_TREM_JA_EXISTE"));
  p.param(QStringLiteral("TREM_NIF"), remessa.GetNif());
  p.param(QStringLiteral("TREM_CD_PAIS"), Pais(remessa.GetCdPais()));
  p.param(QStringLiteral("TREM_IN_TIPO_BENEFICIARIO"), remessa.GetInTipoBeneficiario());
  if (!ExecutaProcedure(p)) return false;
  return p.saida(QStringLiteral("COUNT_O")).inteiro() > 0;
}

int TzuqRemessaDAO::QuantidadeRegistros() {
  int total = 0;
  Percorre(m_contagem, [&total](bd::Consulta& linha) { total = linha.campo(QStringLiteral("TOTAL")).inteiro(); });
  return total;
}

int TzuqRemessaDAO::NovaChave() {
  return SaidaInteira(m_novaChave, QStringLiteral("PROXIMO_TREM_ID"), QStringLiteral("TREM_ID_O"));
}
