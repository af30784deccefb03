#include "secoes/TEdicaoRemessa.h"

#include <functional>
#include <utility>

#include "nucleo/NiContribuinte.h"
#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "secoes/TTabelaEditavel.h"
#include "secoes/TzuqCdRetencaoRemessaDAO.h"
#include "secoes/TzuqFormaTributacaoDAO.h"
#include "secoes/TzuqTipoRendimentoDAO.h"

namespace {

constexpr int kSemMesEvento = 99;
constexpr int kFormaSemRetencao = 40;

const QStringList kColunasRemessa = {
    QStringLiteral("TREM_ID"),          QStringLiteral("TREM_NIF"),
    QStringLiteral("TREM_CD_PAIS"),     QStringLiteral("TREM_IN_TIPO_BENEFICIARIO"),
    QStringLiteral("TREM_CD_REL_FONTE_BENEFICIARIO"), QStringLiteral("TREM_IN_PF_PJ"),
    QStringLiteral("TREM_NI"),          QStringLiteral("TREM_NOME"),
    QStringLiteral("TREM_LOGRADOURO"),  QStringLiteral("TREM_NUMERO"),
    QStringLiteral("TREM_COMPLEMENTO"), QStringLiteral("TREM_BAIRRO"),
    QStringLiteral("TREM_CX_POSTAL"),   QStringLiteral("TREM_CIDADE"),
    QStringLiteral("TREM_TELEFONE"),    QStringLiteral("TREM_ESTADO"),
    QStringLiteral("TREM_IN_BENEF_DISPENSA_NIF"), QStringLiteral("TREM_IN_PAIS_DISPENSA_NIF"),
};

const QStringList kColunasLinha = {
    QStringLiteral("TVRE_ID"),          QStringLiteral("TREM_ID"),
    QStringLiteral("TVRE_DATA"),        QStringLiteral("TVRE_CD_RETENCAO"),
    QStringLiteral("TVRE_CD_TIPO_RENDIMENTO"), QStringLiteral("TVRE_CD_FORMA_TRIBUTACAO"),
    QStringLiteral("TVRE_VL_RENDIMENTO_PAGO"), QStringLiteral("TVRE_VL_IRRF"),
};

QString SoDigitos(const QString& texto) {
  QString r;
  for (const QChar c : texto)
    if (c.isDigit()) r += c;
  return r;
}

// The form in which the database keeps a number: the base of a valid CPF or CNPJ.
QString FormaArmazenada(const QString& ni) {
  const QString d = SoDigitos(ni);
  if (d.size() != 11 && d.size() != 14) return d;
  const QString base = d.left(d.size() - 2);
  return base + TNiContribuinte::CalculaDVNi(base) == d ? base : d;
}

}  // namespace

TEdicaoRemessa::TEdicaoRemessa()
    : m_remessas(std::make_unique<TTabelaEditavel>(TTabelaEditavel::Definicao{
          QStringLiteral("TB_REMESSA"), QStringLiteral("TREM_ID"), kColunasRemessa, {}, false})),
      m_valores(std::make_unique<TTabelaEditavel>(TTabelaEditavel::Definicao{
          QStringLiteral("TB_VALOR_REMESSA"), QStringLiteral("TVRE_ID"), kColunasLinha, QStringLiteral("TREM_ID"),
          true})) {}

TEdicaoRemessa::~TEdicaoRemessa() { Fecha(); }

void TEdicaoRemessa::Fecha() {
  m_remessas->Fecha();
  m_valores->Fecha();
  m_remessas->DefineTransacao(nullptr);
  m_valores->DefineTransacao(nullptr);
  m_mesmoNif.reset();
  m_nomePorNi.reset();
  m_totais.reset();
  m_excluiValores.reset();
  // Everything saved was committed where it was saved: what the transaction still holds, it rolls
  // back as it goes.
  m_transacao.reset();
  m_codigos.clear();
  m_tipos.clear();
  m_formas.clear();
  m_tolv = nullptr;
}

void TEdicaoRemessa::Inicializa(TTolv* tolv) {
  Fecha();
  m_tolv = tolv;
  bd::Conexao* conexao = TColecao::GetBancoDeclaracao();
  if (!conexao || !conexao->conectada()) return;
  m_transacao = std::make_unique<bd::Transacao>(
      *conexao, QStringList{QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
  m_remessas->DefineTransacao(m_transacao.get());
  m_valores->DefineTransacao(m_transacao.get());
  CarregaListas();
  m_remessas->Abre();
  m_valores->DefineMestre(m_remessas->Chave());
  m_valores->Abre();
  Confirma();
}

void TEdicaoRemessa::CarregaListas() {
  {
    TzuqFormaTributacaoDAO dao;
    for (const TzuqFormaTributacao& f : dao.ConsultaTodas())
      m_formas.push_back({f.codigo, f.descricao, f.AdmiteZero(), f.AdmiteNaoZero()});
  }
  {
    const bool copa = m_tolv && m_tolv->GetInCopa() == 1;
    TzuqTipoRendimentoDAO dao;
    for (const TzuqTipoRendimento& t : dao.ConsultaTodos())
      if (copa || (t.codigo != 240 && t.codigo != 250)) m_tipos.push_back({t.codigo, t.descricao});
  }
  {
    // A declaration without a nature is offered every code; the rules refuse what does not fit.
    const uint8_t natureza = m_tolv ? m_tolv->GetCodigoNatureza() : 255;
    TzuqCdRetencaoRemessaDAO dao;
    const auto codigos = natureza <= 9 ? dao.ConsultaPorNatureza(QString::number(natureza)) : dao.ConsultaTodos();
    for (const TCodigoRetencao& c : codigos) m_codigos.push_back({c.GetCodigo(), c.GetResumo(), c.GetPfPjAmbos()});
  }
}

bd::Consulta& TEdicaoRemessa::consulta(std::unique_ptr<bd::Consulta>& guardada, const QString& sql) {
  if (!guardada) guardada = std::make_unique<bd::Consulta>(*m_transacao, sql);
  return *guardada;
}

void TEdicaoRemessa::SegueRemessa() {
  const int chave = m_remessas->Chave();
  if (m_valores->Aberta() && m_valores->Mestre() == chave && !m_valores->EmEdicao()) return;
  m_valores->DefineMestre(chave);
}

void TEdicaoRemessa::Confirma() {
  if (m_transacao && m_transacao->ativa()) m_transacao->commit();
}

void TEdicaoRemessa::RecarregaValores() {
  if (!Conectada()) return;
  m_valores->DefineMestre(m_remessas->Chave());
  Confirma();
}

int TEdicaoRemessa::ChaveComMesmoNif(const QString& nif, int pais, const QString& tipo) {
  if (!Conectada()) return 0;
  bd::Consulta& c = consulta(m_mesmoNif, QStringLiteral("SELECT FIRST 1 TREM_ID FROM TB_REMESSA WHERE TREM_NIF = :NIF "
                                                        "AND TREM_CD_PAIS = :PAIS AND TREM_IN_TIPO_BENEFICIARIO = :TIPO "
                                                        "ORDER BY TREM_ID"));
  c.param(QStringLiteral("NIF"), nif);
  c.param(QStringLiteral("PAIS"), pais);
  c.param(QStringLiteral("TIPO"), tipo);
  c.abre();
  const int chave = c.eof() ? 0 : c.campo(1).inteiro();
  c.fecha();
  return chave;
}

QString TEdicaoRemessa::NomePorNi(const QString& ni) {
  const QString armazenado = FormaArmazenada(ni);
  if (!Conectada() || armazenado.isEmpty()) return {};
  bd::Consulta& c = consulta(m_nomePorNi, QStringLiteral("SELECT FIRST 1 TREM_NOME FROM TB_REMESSA WHERE TREM_NI = :NI "
                                                         "AND TREM_NOME IS NOT NULL ORDER BY TREM_ID"));
  c.param(QStringLiteral("NI"), armazenado);
  c.abre();
  const QString nome = c.eof() ? QString() : c.campo(1).texto().trimmed();
  c.fecha();
  return nome;
}

TEdicaoRemessa::Totais TEdicaoRemessa::TotaisValores(int idRemessa) {
  Totais t;
  if (!Conectada() || idRemessa <= 0) return t;
  bd::Consulta& c = consulta(m_totais, QStringLiteral("SELECT SUM(TVRE_VL_RENDIMENTO_PAGO), SUM(TVRE_VL_IRRF) "
                                                      "FROM TB_VALOR_REMESSA WHERE TREM_ID = :TREM_ID"));
  c.param(QStringLiteral("TREM_ID"), idRemessa);
  c.abre();
  if (!c.eof()) {
    t.rendimentoPago = Valor::deDezMilesimos(c.campo(1).dezMilesimos());
    t.irrf = Valor::deDezMilesimos(c.campo(2).dezMilesimos());
  }
  c.fecha();
  return t;
}

void TEdicaoRemessa::ExcluiRemessa() {
  if (!Conectada()) return;
  if (m_remessas->Inserindo()) {
    m_remessas->Cancela();
    return;
  }
  const int chave = m_remessas->Chave();
  if (chave <= 0) return;
  // The page hears of the move only once both deletions are committed together: its refresh
  // must not commit halfway.
  struct Adia {
    TTabelaEditavel& tabela;
    std::function<void()> rolar = std::exchange(tabela.aposRolar, {});
    ~Adia() { tabela.aposRolar = std::move(rolar); }
  };
  std::function<void()> aposRolar;
  {
    Adia adia{*m_remessas};
    try {
      bd::Consulta& c = consulta(m_excluiValores, QStringLiteral("DELETE FROM TB_VALOR_REMESSA WHERE TREM_ID = :TREM_ID"));
      c.param(QStringLiteral("TREM_ID"), chave);
      c.executa();
      m_remessas->Exclui();
      m_transacao->commit();
    } catch (...) {
      // Neither the lines nor the beneficiary go; the keys are read again as they stand.
      if (m_transacao->ativa()) m_transacao->rollback();
      m_remessas->Fecha();
      m_remessas->Abre();
      m_remessas->Localiza(chave);
      throw;
    }
    aposRolar = adia.rolar;
  }
  SegueRemessa();
  if (aposRolar) aposRolar();
}

void TEdicaoRemessa::ExcluiValor() {
  if (!Conectada() || m_valores->Inserindo() || m_valores->Chave() <= 0) return;
  m_valores->Exclui();
  Confirma();
}

const TEdicaoRemessa::CodigoRetencao* TEdicaoRemessa::Codigo(const QString& codigo) const {
  for (const CodigoRetencao& c : m_codigos)
    if (c.codigo.compare(codigo, Qt::CaseInsensitive) == 0) return &c;
  return nullptr;
}

const TEdicaoRemessa::TipoRendimento* TEdicaoRemessa::Tipo(int codigo) const {
  for (const TipoRendimento& t : m_tipos)
    if (t.codigo == codigo) return &t;
  return nullptr;
}

const TEdicaoRemessa::FormaTributacao* TEdicaoRemessa::Forma(int codigo) const {
  for (const FormaTributacao& f : m_formas)
    if (f.codigo == codigo) return &f;
  return nullptr;
}

QString TEdicaoRemessa::CodigoDescricao(const QString& codigo, const QString& descricao) {
  return (codigo + u'-' + descricao).left(50);
}

QDate TEdicaoRemessa::DataMinima() const {
  const int ano = m_tolv ? m_tolv->GetAnoCalendario().toInt() : QDate::currentDate().year();
  return QDate(ano, 1, 1);
}

QDate TEdicaoRemessa::DataMaxima(bool noGrid) const {
  const int ano = DataMinima().year();
  if (!m_tolv) return QDate(ano, 12, 31);
  if (noGrid) {
    const QString evento = m_tolv->GetDataEvento();
    if (m_tolv->GetSituacaoEspecial() && !evento.isEmpty() && evento != QStringLiteral("30/12/1899")) {
      const QDate data = QDate::fromString(evento, QStringLiteral("dd/MM/yyyy"));
      if (data.isValid()) return data;
    }
    return QDate(ano, 12, 31);
  }
  const int mes = m_tolv->GetMesEvento();
  if (mes == kSemMesEvento || mes >= 12 || mes < 1) return QDate(ano, 12, 31);
  return QDate(ano, mes + 1, 1).addDays(-1);
}

std::optional<TEdicaoRemessa::Falha> TEdicaoRemessa::VerificaValor(const QString& tipoBeneficiario) {
  TTabelaEditavel& v = *m_valores;
  const auto vazio = [&v](const char* coluna) { return v.Valor(QString::fromLatin1(coluna)).nulo(); };
  const auto inteiro = [&v](const char* coluna) { return int(v.Valor(QString::fromLatin1(coluna)).comoInteiro()); };
  const auto valor = [&v](const char* coluna) {
    return Valor::deDezMilesimos(v.Valor(QString::fromLatin1(coluna)).comoDezMilesimos());
  };
  if (vazio("TVRE_DATA"))
    return Falha{QStringLiteral("A data de remessa deve ser informada"), QStringLiteral("Data de remessa"), ColData};
  if (v.Texto(QStringLiteral("TVRE_CD_RETENCAO")).trimmed().isEmpty())
    return Falha{QStringLiteral("O código de receita deve ser informado"), QStringLiteral("Código de receita"),
                 ColCdRetencao};
  if (vazio("TVRE_CD_TIPO_RENDIMENTO") || inteiro("TVRE_CD_TIPO_RENDIMENTO") == 0)
    return Falha{QStringLiteral("O tipo de rendimento deve ser informado"), QStringLiteral("Tipo de rendimento"),
                 ColTipoRendimento};
  if (vazio("TVRE_CD_FORMA_TRIBUTACAO") || inteiro("TVRE_CD_FORMA_TRIBUTACAO") == 0)
    return Falha{QStringLiteral("A forma de tributação deve ser informada"), QStringLiteral("Forma de tributação"),
                 ColFormaTributacao};
  const Valor pago = valor("TVRE_VL_RENDIMENTO_PAGO");
  if (pago <= Valor())
    return Falha{QStringLiteral("Valor rendimento pago inválido"), QStringLiteral("Valor pago em R$"),
                 ColRendimentoPago};
  const int forma = inteiro("TVRE_CD_FORMA_TRIBUTACAO");
  const Valor irrf = valor("TVRE_VL_IRRF");
  if (forma >= kFormaSemRetencao && irrf > Valor())
    return Falha{QStringLiteral("O IRRF não pode ser maior que zero para essa forma de tributação"),
                 QStringLiteral("Erro"), ColIrrf};
  if (irrf <= Valor()) {
    if (forma < kFormaSemRetencao) return Falha{QStringLiteral("Valor de IRRF inválido"), QStringLiteral("IRRF"), ColIrrf};
    v.DefineValor(QStringLiteral("TVRE_VL_IRRF"), bd::DezMilesimos{0});
  }
  if (irrf > pago)
    return Falha{QStringLiteral("O IRRF não pode ser maior que o valor pago"), QStringLiteral("Erro"),
                 ColRendimentoPago};
  const int tipo = inteiro("TVRE_CD_TIPO_RENDIMENTO");
  if ((tipo == 240 || tipo == 250) && tipoBeneficiario == QStringLiteral("2"))
    return Falha{QStringLiteral("Esse tipo de rendimento só pode ser utilizado para Beneficiário Pessoa Física"),
                 QStringLiteral("Erro"), ColTipoRendimento};
  return std::nullopt;
}
