#include "nucleo/TTolv.h"

#include <QDate>
#include <QStringList>
#include <QTime>

#include <initializer_list>
#include <optional>

#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TColecaoBeneficiario.h"
#include "nucleo/TColecaoCodigoRetencao.h"
#include "nucleo/TColecaoComprovante.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TResumo.h"
#include "nucleo/TSingleTolv.h"
#include "plataforma/bd/Transacao.h"

namespace {

constexpr uint16_t kSituacaoEspecialObrigatoria = 25;
constexpr uint16_t kNaturezaInvalida = 27;
constexpr uint16_t kTipoDeclaracaoInvalido = 28;
constexpr uint16_t kAnoInvalido = 74;
constexpr uint16_t kDataEventoInvalida = 125;
constexpr uint16_t kDataEventoForaDoAno = 132;
constexpr uint16_t kNaturezaAusente = 189;
constexpr uint16_t kNaturezaIncompativel = 190;

constexpr uint8_t kNaturezaInicial = 8;
constexpr uint8_t kNaturezaPessoaFisica = 9;
constexpr uint8_t kSemMesEvento = 99;

const QStringList& ParametrosTransacao() {
  static const QStringList parametros{QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                      QStringLiteral("nowait")};
  return parametros;
}

// The year after the regular one: a declaration for it is always a special-situation one.
QString AnoSeguinte() { return QString::number(QString::fromLatin1(TTolv::kAnoCorrente).toInt() + 1); }

bool SoDigitos(const QString& texto) {
  for (QChar c : texto)
    if (c < u'0' || c > u'9') return false;
  return true;
}

// A date typed as d/m/y: one or two digits of day and month, two or four of year (a two-digit
// year below 50 is in this century).
std::optional<QDate> LeData(const QString& texto) {
  const QStringList partes = texto.split(u'/');
  if (partes.size() != 3) return std::nullopt;
  int numeros[3];
  for (int i = 0; i < 3; ++i) {
    const QString parte = partes[i].trimmed();
    if (parte.isEmpty() || parte.size() > (i == 2 ? 4 : 2) || !SoDigitos(parte)) return std::nullopt;
    numeros[i] = parte.toInt();
  }
  if (partes[2].trimmed().size() <= 2) numeros[2] += numeros[2] < 50 ? 2000 : 1900;
  const QDate data(numeros[2], numeros[1], numeros[0]);
  if (!data.isValid()) return std::nullopt;
  return data;
}

}  // namespace

TTolv::TTolv()
    : m_natureza(m_naturezas.BuscaNatureza(kNaturezaInicial)),
      m_dataGeracao(DataZero()),
      m_resumoGeral(std::make_unique<TResumo>(this)),
      m_single(&TSingleTolv::Instancia()),
      m_inicioRelogio(DataZero()) {
  SetFonteDK(QStringLiteral("1"));
}

TTolv::~TTolv() {
  m_colecoesSecoes.clear();
  m_colecaoComprovante.reset();
  m_colecaoAnexo.reset();
  m_colecaoBeneficiario.reset();
  m_resumoGeral.reset();
  // The owner's collections go before the summaries collection, which a batch's end stores through.
  LiberaColecoesDoDono();
  m_colecaoResumo.reset();
}

TColecao* TTolv::GetColecaoSecao(int chave) const {
  const auto it = m_colecoesSecoes.find(chave);
  return it == m_colecoesSecoes.end() ? nullptr : it->second.get();
}

TColecao& TTolv::DefineColecaoSecao(int chave, std::unique_ptr<TColecao> colecao) {
  auto& lugar = m_colecoesSecoes[chave];
  lugar = std::move(colecao);
  return *lugar;
}

QDateTime TTolv::DataZero() { return QDateTime(QDate(1899, 12, 30), QTime(0, 0)); }

void TTolv::SetErros(TErros* erros) {
  m_erros = erros;
  m_estabelecimento.SetErros(erros);
  m_responsavel.SetErros(erros);
  m_respCnpj.SetErros(erros);
  GetContribuinte().SetErros(erros);
}

void TTolv::Limpar() {
  TTolvAnexo::Limpar();
  m_estabelecimento.Limpar();
  m_respCnpj.Limpar();
  m_naturezas.LimpaPermitidas();
  m_natureza = m_naturezas.BuscaNatureza(kNaturezaInicial);
  m_responsavel.LimpaTudo();
  m_dataGeracao = DataZero();
  m_tipoDeclaracao = QStringLiteral("O");
  m_situacaoEspecial = 0;
  // The count values follow their integers, so that what is shown never disagrees.
  SetNrDisquetes(0);
  SetNrEstabelecimentos(0);
  if (m_erros) m_erros->Limpa();
  LiberaItens();
  m_resumoGeral.reset();
  m_anoCalendario = QString::fromLatin1(kAnoCorrente);
  m_tolvDK.clear();
}

void TTolv::LiberaItens() {
  m_colecoesSecoes.clear();
  TTolvAnexo::LiberaItens();
  LiberaColecaoCodigoRetencao();
  // The summaries collection goes last, after the lines collection that stores through it.
  m_colecaoComprovante.reset();
  m_colecaoAnexo.reset();
  m_colecaoBeneficiario.reset();
  m_colecaoResumo.reset();
}

void TTolv::Atribui(TTolvAnexo& destinoAnexo) {
  auto* destino = dynamic_cast<TTolv*>(&destinoAnexo);
  if (!destino) {
    TTolvAnexo::Atribui(destinoAnexo);
    return;
  }
  destino->m_tolvDK = m_tolvDK;
  destino->SetAnoCalendario(m_anoCalendario);
  destino->SetInAdmFC(m_inAdmFC);
  destino->SetInAdvogado(m_inAdvogado);
  GetResumoGeral().CopiaPara(destino->GetResumoGeral());
  TTolvAnexo::Atribui(*destino);
  destino->SetNatureza(m_natureza);
  destino->m_deducoesInformadas = 1;
  destino->SetInOstensivo(m_inOstensivo);
  destino->m_estadoImportacao = m_estadoImportacao;
  m_responsavel.CopiaPara(destino->m_responsavel);
}

TColecaoBeneficiario& TTolv::GetColecaoBeneficiario() {
  if (!m_colecaoBeneficiario) m_colecaoBeneficiario = std::make_unique<TColecaoBeneficiario>(*this);
  return *m_colecaoBeneficiario;
}

TColecaoComprovante& TTolv::GetColecaoComprovante() {
  if (!m_colecaoComprovante) m_colecaoComprovante = std::make_unique<TColecaoComprovante>(*this);
  return *m_colecaoComprovante;
}

TColecaoResumo& TTolv::GetColecaoResumo() {
  if (!m_colecaoResumo) m_colecaoResumo = std::make_unique<TColecaoResumo>(*this);
  return *m_colecaoResumo;
}

TColecaoAnexo& TTolv::GetColecaoAnexo() {
  if (!m_colecaoAnexo) m_colecaoAnexo = std::make_unique<TColecaoAnexo>(*this);
  return *m_colecaoAnexo;
}

TResumo& TTolv::GetResumoGeral() {
  if (!m_resumoGeral) m_resumoGeral = std::make_unique<TResumo>(this);
  return *m_resumoGeral;
}

bd::Transacao& TTolv::GetTransacaoDeclaracao() {
  if (!m_transacaoDeclaracao) {
    m_transacaoDeclaracao = std::make_shared<bd::Transacao>(ParametrosTransacao());
    if (m_conexaoPropria) m_transacaoDeclaracao->defineConexao(m_conexaoPropria);
  }
  return *m_transacaoDeclaracao;
}

bd::Transacao& TTolv::GetTransacaoAnexos() {
  if (!m_transacaoAnexos) {
    m_transacaoAnexos = std::make_shared<bd::Transacao>(ParametrosTransacao());
    if (m_conexaoPropria) m_transacaoAnexos->defineConexao(m_conexaoPropria);
  }
  return *m_transacaoAnexos;
}

void TTolv::DefineConexaoPropria(bd::Conexao* conexao) {
  m_conexaoPropria = conexao;
  for (bd::Transacao* t : {m_transacaoDeclaracao.get(), m_transacaoAnexos.get()})
    if (t && !t->ativa()) t->defineConexao(conexao);
}

void TTolv::CompartilhaTransacoes(TTolv& origem) {
  origem.GetTransacaoDeclaracao();
  origem.GetTransacaoAnexos();
  m_transacaoDeclaracao = origem.m_transacaoDeclaracao;
  m_transacaoAnexos = origem.m_transacaoAnexos;
}

void TTolv::DesligaTransacoes() {
  m_transacaoDeclaracao.reset();
  m_transacaoAnexos.reset();
}

QString TTolv::GetNomeBancoDeclaracao() const {
  return QStringLiteral("TOLV2014") + GetContribuinte().GetNiDigitos() + m_anoCalendario + QStringLiteral(".FDB");
}

void TTolv::Adiciona(uint16_t codigo, const QString& argumento) {
  // Loading goes on with a bad value; without a list there is nowhere to keep it, so it is raised.
  if (!m_erros) throw ETolvError(codigo, argumento);
  m_erros->Adiciona(std::make_unique<ETolvError>(codigo, argumento));
}

int TTolv::ValidaAnoCalendario(const QString& ano, bool vazioPermitido) {
  const QString aparado = ano.trimmed();
  if (vazioPermitido && aparado.isEmpty()) return 0;
  if (!SoDigitos(ano)) return kAnoInvalido;
  if (!aparado.isEmpty()) {
    const int valor = aparado.toInt();
    if (valor > 2002 && valor <= AnoSeguinte().toInt()) return 0;
  }
  return kAnoInvalido;
}

void TTolv::ArmazenaAno(const QString& ano) {
  if (ano != m_anoCalendario) LiberaColecaoCodigoRetencao();  // rebuilt for the new year on next use
  m_anoCalendario = ano;
  RefazNaturezasPermitidas();
}

void TTolv::SetAnoCalendario(const QString& ano) {
  if (const int codigo = ValidaAnoCalendario(ano, false)) {
    m_anoCalendario.clear();
    throw ETolvError(uint16_t(codigo), ano);
  }
  ArmazenaAno(ano);
  if (m_anoCalendario > QString::fromLatin1(kAnoCorrente)) SetSituacaoEspecial(1);
  AtualizaIndicadoresAno();
}

void TTolv::CarregaAnoCalendario(const QString& ano) {
  if (const int codigo = ValidaAnoCalendario(ano, false)) {
    m_anoCalendario.clear();
    Adiciona(uint16_t(codigo), ano);
    return;
  }
  ArmazenaAno(ano);
  AtualizaIndicadoresAno();
}

void TTolv::RefazNaturezasPermitidas() {
  m_naturezas.LimpaPermitidas();
  auto adiciona = [this](std::initializer_list<int> codigos) {
    for (int c : codigos) m_naturezas.AdicionaPermitida(m_naturezas.BuscaNatureza(c));
  };
  switch (GetContribuinte().GetTipo()) {
    case kNiCpf:
      adiciona({9});
      break;
    case kNiCnpj:
      adiciona({0, 1, 2, 3, 4, 8});
      break;
    case kNiIndefinido:
      adiciona({0, 1, 2, 3, 4, 8, 9});
      break;
    default:
      break;
  }
}

uint8_t TTolv::GetCodigoNatureza() const { return m_natureza ? m_natureza->GetCodigo() : 255; }

int TTolv::ValidaCodigoNatureza(int codigo) const {
  const uint8_t tipo = GetContribuinte().GetTipo();
  if ((tipo == kNiCpf && codigo != kNaturezaPessoaFisica) || (tipo == kNiCnpj && codigo == kNaturezaPessoaFisica))
    return kNaturezaIncompativel;
  if (codigo >= 10) return kNaturezaInvalida;
  return 0;
}

void TTolv::SetCodigoNatureza(int codigo) {
  if (const int erro = ValidaCodigoNatureza(codigo)) {
    Adiciona(uint16_t(erro), {});
    return;
  }
  SetNatureza(m_naturezas.BuscaNatureza(codigo));
}

int TTolv::ValidaNatureza(const TNatureza* natureza, bool vazioPermitido) const {
  if (vazioPermitido && !natureza) return 0;
  const bool semDescricao = !natureza || natureza->GetDescricao().isEmpty();
  if (semDescricao && vazioPermitido) return 0;
  if (semDescricao && m_naturezas.GetPermitidas().size() >= 2) return kNaturezaAusente;
  if (!natureza || !m_naturezas.BuscaNatureza(natureza->GetCodigo())) return kNaturezaInvalida;
  return 0;
}

void TTolv::SetNatureza(TNatureza* natureza) {
  if (const int codigo = ValidaNatureza(natureza, true))
    throw ETolvError(uint16_t(codigo), natureza ? natureza->GetDescricao() : QString());
  // Always one of this declaration's own natures, whichever table the argument came from.
  m_natureza = natureza ? m_naturezas.BuscaNatureza(natureza->GetCodigo()) : nullptr;
}

void TTolv::CarregaNatureza(TNatureza* natureza) {
  m_natureza = natureza ? m_naturezas.BuscaNatureza(natureza->GetCodigo()) : nullptr;
  if (const int codigo = ValidaNatureza(natureza, true))
    Adiciona(uint16_t(codigo), natureza ? natureza->GetDescricao() : QString());
}

int TTolv::ValidaTipoDeclaracao(const QString& tipo) {
  return tipo == u"O" || tipo == u"R" ? 0 : kTipoDeclaracaoInvalido;
}

void TTolv::SetTipoDeclaracao(const QString& tipo) {
  if (const int codigo = ValidaTipoDeclaracao(tipo)) throw ETolvError(uint16_t(codigo), tipo);
  m_tipoDeclaracao = tipo;
  AtualizaIndicadoresAno();
}

void TTolv::CarregaTipoDeclaracao(const QString& tipo) {
  if (const int codigo = ValidaTipoDeclaracao(tipo)) {
    Adiciona(uint16_t(codigo), tipo);
    return;
  }
  m_tipoDeclaracao = tipo;
  AtualizaIndicadoresAno();
}

int TTolv::ValidaSituacaoEspecial(uint8_t situacao, const QString& ano) {
  return situacao == 0 && ano == AnoSeguinte() ? kSituacaoEspecialObrigatoria : 0;
}

void TTolv::SetSituacaoEspecial(uint8_t situacao) {
  if (const int codigo = ValidaSituacaoEspecial(situacao, m_anoCalendario)) throw ETolvError(uint16_t(codigo));
  m_situacaoEspecial = situacao;
  AtualizaIndicadoresAno();
  AtualizaPossuiDeducoes();
}

int TTolv::ValidaDataEvento(const QString& data) const {
  if (data == u"  /  /  " || data == u"  /  /    " || data == u"30/12/1899" || data == u"30/12/99") return 0;
  const std::optional<QDate> lida = LeData(data);
  if (!lida) return kDataEventoInvalida;
  if (m_anoCalendario.trimmed().isEmpty()) return 0;
  const int ano = m_anoCalendario.trimmed().toInt();
  if (*lida < QDate(ano, 1, 1) || *lida > QDate(ano, 12, 31)) return kDataEventoForaDoAno;
  return 0;
}

void TTolv::SetDataEvento(const QString& data) {
  m_dataEvento = data;
  if (!data.isEmpty()) {
    bool numero = false;
    const int mes = data == u"30/12/1899" ? kSemMesEvento : data.mid(3, 2).trimmed().toInt(&numero);
    // December, a blank date or anything that is not a month has no month of its own.
    m_mesEvento = numero && mes >= 1 && mes <= 11 ? uint8_t(mes) : kSemMesEvento;
  }
  if (m_mesEvento == 12) m_mesEvento = kSemMesEvento;
}

void TTolv::SetInAdmFC(uint8_t valor) { m_inAdmFC = m_anoCalendario < u"1999" ? 0 : valor; }

void TTolv::SetInAdvogado(uint8_t valor) { m_inAdvogado = m_anoCalendario < u"2004" ? 0 : valor; }

void TTolv::SetInOstensivo(uint8_t valor) {
  if (valor == 0)
    m_inOstensivo = 0;
  else if (m_natureza && m_natureza->GetCodigo() != kNaturezaPessoaFisica)
    m_inOstensivo = valor;
}

void TTolv::SetNrDisquetes(int quantidade) {
  m_nrDisquetes = quantidade;
  m_qtdDisquetes.SetValorMonetario(Valor::deReais(quantidade));
}

void TTolv::SetNrEstabelecimentos(int quantidade) {
  m_nrEstabelecimentos = quantidade;
  m_qtdEstabelecimentos.SetValorMonetario(Valor::deReais(quantidade));
}

void TTolv::AtualizaIndicadoresAno() { m_anoApos2005 = m_anoCalendario > u"2005" ? 1 : 0; }

void TTolv::AtualizaPossuiDeducoes() {
  m_deducoesInformadas = m_anoCalendario > u"2007" || (m_anoCalendario == u"2007" && m_situacaoEspecial == 0) ? 1 : 0;
}

void TTolv::SetAnoImportacao(const QString& ano) {
  m_anoImportacao = ano;
  AtualizaIndicadoresAno();
}

void TTolv::CarregaResumos() {
  GetResumoGeral().Zera();
  GetResumo().Zera();
  TColecaoResumo& resumos = GetColecaoResumo();
  resumos.CarregaResumo(GetResumo());
  if (m_inAdmFC || m_inAdvogado)
    resumos.CarregaResumoTotal(GetResumoGeral());
  else
    resumos.CarregaResumo(GetResumoGeral());
}

QString TTolv::TempoDecorrido() { return TempoDecorrido(QDateTime::currentDateTime()); }

QString TTolv::TempoDecorrido(const QDateTime& agora) {
  constexpr qint64 kDia = 24 * 60 * 60 * 1000;
  const qint64 dias = m_inicioRelogio.date().daysTo(agora.date());
  qint64 resto = m_inicioRelogio.msecsTo(agora) % kDia;
  if (resto < 0) resto += kDia;
  m_inicioRelogio = agora;
  return QString::number(dias) + QStringLiteral("d ") +
         QTime::fromMSecsSinceStartOfDay(int(resto)).toString(u"hh:mm:ss");
}
