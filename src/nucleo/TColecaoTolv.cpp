#include "nucleo/TColecaoTolv.h"

#include <optional>

#include <QFile>

#include <stdexcept>

#include "nucleo/ArquivosDeclaracao.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/EColecaoError.h"
#include "nucleo/EFalhaBanco.h"
#include "nucleo/ETolvError.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/sistema/Pastas.h"

namespace {

constexpr uint16_t kCnpjJaDeclarado = 46;
constexpr uint16_t kCpfJaDeclarado = 47;
constexpr uint16_t kArquivoEmUso = 95;
constexpr uint16_t kExclusaoImpossivel = 98;
constexpr uint16_t kDataEventoInvalida = 125;
constexpr int kFalhaDesfazer = 304;
constexpr int kFalhaIniciar = 305;
constexpr int kNaturezaPessoaFisica = 9;
constexpr int kNaturezaInicial = 8;

const QString kCamposDeclaracao = QStringLiteral("IN_PF_PJ;NR_PF_PJ;AN_RETENCA");

// Many collections write the same rows of the index, each in its own transaction: a snapshot would
// turn a write of a row that another one changed meanwhile into an update conflict.
const QStringList& Parametros() {
  static const QStringList p{QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")};
  return p;
}

QString Caminho(const QString& arquivo) { return Pastas::dados() + u'/' + arquivo; }

QString SN(uint8_t indicador) { return indicador ? QStringLiteral("S") : QStringLiteral("N"); }

QString Tipo(const TTolv& tolv) { return QString::number(tolv.GetContribuinte().GetTipo()); }

// The event date as stored: none is the date zero; a date that is not one refuses the save.
QDate DataEvento(const TTolv& tolv) {
  const QString texto = tolv.GetDataEvento();
  if (texto.trimmed().isEmpty() || texto == u"  /  /    " || texto == u"  /  /  ") return TTolv::DataZero().date();
  QDate data = QDate::fromString(texto.trimmed(), QStringLiteral("dd/MM/yyyy"));
  if (!data.isValid()) data = QDate::fromString(texto.trimmed(), QStringLiteral("d/M/yyyy"));
  if (!data.isValid()) throw ETolvError(kDataEventoInvalida, texto);
  return data;
}

QString Texto(const bd::Consulta& d, const char* campo) { return d.campo(QString::fromLatin1(campo)).texto(); }

bool Tem(const bd::Consulta& d, const char* campo) { return d.temCampo(QString::fromLatin1(campo)); }

// An integer flag: on when present, not null and not 0.
uint8_t Ligado(const bd::Consulta& d, const char* campo) {
  if (!Tem(d, campo)) return 0;
  const bd::Campo c = d.campo(QString::fromLatin1(campo));
  return !c.nulo() && c.inteiro() != 0 ? 1 : 0;
}

// A text flag: on when present, not null and not "N".
uint8_t LigadoSN(const bd::Consulta& d, const char* campo) {
  if (!Tem(d, campo)) return 0;
  const bd::Campo c = d.campo(QString::fromLatin1(campo));
  return !c.nulo() && c.texto().trimmed() != u"N" ? 1 : 0;
}

// The indicators that another establishment of the root lends as well; the nature is current.
void CarregaIndicadores(TTolv& tolv, const bd::Consulta& d) {
  tolv.SetInAdmFC(Ligado(d, "IN_ADM_FC"));
  tolv.SetInAdvogado(Ligado(d, "IN_ADVOGADO"));
  tolv.SetInPlanoSaude(Ligado(d, "IN_PLANOSAUDE"));
  tolv.SetInServicoNotarial(Ligado(d, "IN_SERVICONOTARIAL"));
  tolv.SetInCopa(Ligado(d, "IN_COPA"));
  tolv.SetInRemessa(LigadoSN(d, "IN_REMESSA"));
  tolv.SetInOstensivo(LigadoSN(d, "IN_OSTENSIVO"));
}

// The declaration connection leaves the file (any file when none is given) and forgets its name,
// so that pointing it anywhere again connects anew.
void DesconectaDeclaracao(const QString& caminho = {}) {
  bd::Conexao* conexao = TColecao::GetBancoDeclaracao();
  if (!conexao || (!caminho.isEmpty() && conexao->arquivo().toUpper() != caminho.toUpper())) return;
  try {
    conexao->desconecta();
  } catch (const bd::ErroBanco&) {
    // The attachment is released either way.
  }
  conexao->defineArquivo(QString());
}

void AdicionaErro(TTolv& tolv, const TErro& erro) {
  if (TErros* erros = tolv.GetErros()) erros->Adiciona(std::make_unique<ETolvError>(erro));
}

// Fills the declaration from a header row, of the index (with its key, file name and the person
// responsible joined) or of a declaration's own database. A stored value that breaks a rule goes
// to the declaration's list: loading never stops on it.
void CarregaLinha(TTolv& tolv, const bd::Consulta& d, bool indice) {
  if (indice) {
    tolv.SetTolvDK(QString::number(d.campo(QStringLiteral("TOLV_DK")).inteiro()));
    tolv.SetArquivo(Texto(d, "ARQUIVO"));
  }
  tolv.SetFonteDK(QStringLiteral("1"));
  tolv.CarregaAnoCalendario(Texto(d, "AN_RETENCA").trimmed());
  const QString retific = Texto(d, "IN_RETIFIC").trimmed();
  tolv.CarregaTipoDeclaracao(retific.isEmpty() ? QStringLiteral("O") : retific);
  try {
    const bd::Campo encerra = d.campo(QStringLiteral("IN_ENCERRA"));
    tolv.SetSituacaoEspecial(encerra.nulo() ? 0 : uint8_t(encerra.texto().trimmed().toInt()));
  } catch (const ETolvError& e) {
    AdicionaErro(tolv, e);
  }
  tolv.SetNrDisquetes(d.campo(QStringLiteral("NR_DISQUETES")).inteiro());
  tolv.SetNrEstabelecimentos(d.campo(QStringLiteral("NR_ESTABES")).inteiro());

  TContribuinte& declarante = tolv.GetContribuinte();
  const QString tipo = Texto(d, "IN_PF_PJ").trimmed();
  const QString numero = Texto(d, "NR_PF_PJ").trimmed();
  const QString nome = Texto(d, "NM_NM_EMPR");
  if (tipo == u"1") {
    declarante.SetNiPelaBaseComErro(numero.left(9));
    declarante.GetNome().SetNomeComErro(nome);
    tolv.GetEstabelecimentoResponsavel().SetNiPelaBaseComErro(numero.left(9));
    tolv.GetRespCnpj().Limpar();
  } else if (tipo == u"2") {
    declarante.SetNiPelaBaseComErro(numero.left(12));
    declarante.GetNome().SetNomeComErro(nome);
    const QString respCnpj = Texto(d, "RESP_NO_CNPJ").trimmed();
    if (respCnpj.isEmpty())
      tolv.GetRespCnpj().Limpar();
    else
      tolv.GetRespCnpj().SetNiPelaBaseComErro(respCnpj);
    const QString ordem = Texto(d, "NR_EST_RESP").trimmed();
    tolv.GetEstabelecimentoResponsavel().SetNiPelaBaseComErro(
        !ordem.isEmpty() && ordem != u"0000" ? numero.left(8) + ordem : numero.left(12));
  }

  // After the identity, so that the nature is checked against this declarant's kind.
  TNaturezas& naturezas = tolv.GetNaturezas();
  const bd::Campo natureza = d.campo(QStringLiteral("IN_NATUREZADECLAR"));
  if (indice) {
    const bd::Campo geracao = d.campo(QStringLiteral("IN_GERACAO"));
    if (!geracao.nulo()) tolv.SetCodigoNatureza(geracao.inteiro());
    if (!natureza.nulo()) tolv.CarregaNatureza(naturezas.BuscaNatureza(natureza.inteiro()));
  } else {
    // A file of unknown nature is adopted with the nature of an entity whose nature changed.
    TNatureza* conhecida = natureza.nulo() ? nullptr : naturezas.BuscaNatureza(natureza.inteiro());
    if (!conhecida || conhecida->GetDescricao().isEmpty()) conhecida = naturezas.BuscaNatureza(kNaturezaInicial);
    tolv.CarregaNatureza(conhecida);
  }

  CarregaIndicadores(tolv, d);
  tolv.SetInLucDiv(LigadoSN(d, "IN_LUCDIV"));
  tolv.SetInPagTitMic(LigadoSN(d, "IN_PAGTITMIC"));

  tolv.GetNrRecibo().CarregaValor(Tem(d, "NR_RECIBO") ? Texto(d, "NR_RECIBO") : QString());
  const bd::Campo evento = d.campo(QStringLiteral("DATA_EVENTO"));
  const QDate dataEvento = evento.nulo() ? QDate() : evento.data();
  tolv.SetDataEvento((dataEvento.isValid() && dataEvento > TTolv::DataZero().date() ? dataEvento
                                                                                     : TTolv::DataZero().date())
                         .toString(QStringLiteral("dd/MM/yyyy")));
  tolv.SetTipoEvento(uint8_t(d.campo(QStringLiteral("TIPO_EVENTO")).inteiro()));

  TResponsavel& responsavel = tolv.GetResponsavel();
  const QString cpf = Texto(d, "RESP_PF").trimmed();
  if (cpf.isEmpty()) {
    responsavel.LimpaTudo();
  } else {
    responsavel.SetNiPelaBaseComErro(cpf);
    responsavel.GetNome().SetNomeComErro(Texto(d, "NM_RESP"));
    const QString ddd = Texto(d, "ED_DDD");
    responsavel.GetFone().GetDDD().SetValorComErro(ddd);
    responsavel.GetFone().GetNumero().SetValorComErro(Texto(d, "ED_TELEFONE"));
    responsavel.GetFone().GetRamal().SetValorComErro(Texto(d, "ED_RAMAL"));
    responsavel.GetFax().GetDDD().SetValorComErro(ddd);
    responsavel.GetFax().GetNumero().SetValorComErro(Texto(d, "ED_FAX"));
    responsavel.GetEmail().SetValorComErro(Texto(d, "ED_EMAIL"));
  }

  const bd::Campo geracao = d.campo(QStringLiteral("DATA_GERA"));
  tolv.SetDataGeracao(geracao.nulo() ? TTolv::DataZero() : geracao.dataHora());
  tolv.AtualizaPossuiDeducoes();
}

// The fields of the person responsible, or null when there is no usable one.
void PreencheResponsavel(bd::Procedimento& p, TTolv& tolv, bool usa) {
  const TResponsavel& r = tolv.GetResponsavel();
  auto valor = [usa](const QString& v) { return usa ? bd::Dado(v) : bd::Dado(); };
  p.param(QStringLiteral("RESP_PF"), valor(r.GetBase()));
  p.param(QStringLiteral("NM_RESP"), valor(r.GetNome().GetValor()));
  p.param(QStringLiteral("ED_DDD"), valor(r.GetFone().GetDDD().GetValor()));
  p.param(QStringLiteral("ED_TELEFONE"), valor(r.GetFone().GetNumero().GetValor()));
  p.param(QStringLiteral("ED_RAMAL"), valor(r.GetFone().GetRamal().GetValor()));
  p.param(QStringLiteral("ED_FAX"), valor(r.GetFax().GetNumero().GetValor()));
  p.param(QStringLiteral("ED_EMAIL"), valor(r.GetEmail().GetValor()));
}

// The header values that both databases keep alike.
void PreencheComum(bd::Procedimento& p, TTolv& tolv, const QDate& dataEvento) {
  const bool empresa = tolv.GetContribuinte().GetTipo() == kNiCnpj;
  const uint8_t natureza = tolv.GetCodigoNatureza();
  p.param(QStringLiteral("AN_RETENCA"), tolv.GetAnoCalendario());
  p.param(QStringLiteral("DATA_GERA"), tolv.GetDataGeracao());
  p.param(QStringLiteral("DATA_EVENTO"), dataEvento);
  p.param(QStringLiteral("TIPO_EVENTO"), int(tolv.GetTipoEvento()));
  p.param(QStringLiteral("IN_RETIFIC"), tolv.GetTipoDeclaracao());
  p.param(QStringLiteral("IN_ENCERRA"), tolv.GetSituacaoEspecial() ? QStringLiteral("1") : QStringLiteral("0"));
  p.param(QStringLiteral("NR_DISQUETES"), tolv.GetNrDisquetes());
  p.param(QStringLiteral("NR_ESTABES"), tolv.GetNrEstabelecimentos());
  p.param(QStringLiteral("IN_GERACAO"), natureza == 255 ? bd::Dado() : bd::Dado(int(natureza)));
  p.param(QStringLiteral("IN_ADM_FC"), int(tolv.GetInAdmFC()));
  p.param(QStringLiteral("IN_ADVOGADO"), int(tolv.GetInAdvogado()));
  p.param(QStringLiteral("NR_RECIBO"), tolv.GetNrRecibo().GetValor());
  p.param(QStringLiteral("IN_SERVICONOTARIAL"), int(tolv.GetInServicoNotarial()));
  p.param(QStringLiteral("IN_COPA"), int(tolv.GetInCopa()));
  p.param(QStringLiteral("IN_PLANOSAUDE"), int(tolv.GetInPlanoSaude()));
  p.param(QStringLiteral("IN_REMESSA"), SN(tolv.GetInRemessa()));
  p.param(QStringLiteral("IN_LUCDIV"), SN(tolv.GetInLucDiv()));
  p.param(QStringLiteral("IN_PAGTITMIC"), SN(tolv.GetInPagTitMic()));
  p.param(QStringLiteral("IN_OSTENSIVO"), SN(tolv.GetInOstensivo()));
  p.param(QStringLiteral("IN_PF_PJ"), Tipo(tolv));
  p.param(QStringLiteral("NR_PF_PJ"), tolv.GetContribuinte().GetBase());
  p.param(QStringLiteral("NM_NM_EMPR"), tolv.GetContribuinte().GetNome().GetValor());
  p.param(QStringLiteral("NR_EST_RESP"),
          empresa ? tolv.GetEstabelecimentoResponsavel().GetNiDigitos().mid(8, 4) : QString());
  p.param(QStringLiteral("RESP_NO_CNPJ"), empresa ? tolv.GetRespCnpj().GetBase() : QString());
}

}  // namespace

TColecaoTolv::TColecaoTolv() : m_transacaoDeclaracao(Parametros()) {
  ConectarBancoIndice();
  if (FalhaBancoIndice) return;
  m_transacaoIndice->defineParametros(Parametros());
  // The version check ran in the engine's default transaction: the next one takes the parameters.
  Opera(m_transacaoIndice.get(), Lado::Indice, &bd::Transacao::commit,
        QStringLiteral("Não foi possível salvar as alterações no banco Tolv. Mensagem retornada: "), 0);
  if (FalhaBancoIndice) return;

  m_erros = std::make_unique<TErros>(false);
  m_tolv = std::make_unique<TTolv>();
  m_tolv->SetErros(m_erros.get());
  DefineTransacao(&m_transacaoDeclaracao);
  try {
    m_procedimento = std::make_unique<bd::Procedimento>(*m_transacaoIndice, QStringLiteral("INCLUI_ATU_TOLV"));
    m_procedimento->prepara();
    m_consultaLista.defineTransacao(m_transacaoIndice.get());
    m_consultaLista.defineSql(QStringLiteral("Select D.*, R.* from TOLVS D\nLEFT JOIN RESPONSAVEIS R\n"
                                             "ON D.RESP_PF = R.NR_PF\norder by IN_PF_PJ, NR_PF_PJ, AN_RETENCA"));
    m_consultaLista.prepara();
    m_consultaTotal.defineTransacao(m_transacaoIndice.get());
    m_consultaTotal.defineSql(QStringLiteral("Select count(*) As Total from TOLVs"));
    m_consultaTotal.prepara();
    m_consultaComando.defineTransacao(m_transacaoIndice.get());
    m_consultaComando.defineSql(QStringLiteral("DELETE from TOLVS\nWHERE TOLV_DK = :TOLV_DK"));
    m_consultaComando.prepara();
  } catch (const bd::ErroBanco& e) {
    // An index without the declarations' objects is as unusable as one of another version.
    m_procedimento.reset();
    AvisaFalhaBanco(EFalhaBanco(QStringLiteral("Não foi possível abrir a consulta. Mensagem retornada: ") + e.mensagem(),
                                EFalhaBanco::Lado::Indice, false));
  }
}

// Before the declaration-side transaction goes with its member.
TColecaoTolv::~TColecaoTolv() { DesfazPendente(true); }

void TColecaoTolv::AbreConsulta(bd::Consulta& consulta) {
  consulta.fecha();
  AbreDataSet(consulta);
}

void TColecaoTolv::PreparaProcedimentoDeclaracao(const char* nome) {
  m_procedimentoDeclaracao.reset();
  m_alteracao = false;
  if (FalhaBanco || FalhaBancoIndice || !m_bancoDeclaracao) return;
  m_procedimentoDeclaracao = std::make_unique<bd::Procedimento>(m_transacaoDeclaracao, QString::fromLatin1(nome));
  m_procedimentoDeclaracao->prepara();
  m_alteracao = QString::fromLatin1(nome) == u"ATU_TOLV";
}

void TColecaoTolv::AbrirBancoDeclaracao(const QString& arquivo, bool forcaCopia) {
  TColecao::AbrirBancoDeclaracao(arquivo, forcaCopia);
  PreparaProcedimentoDeclaracao("INCLUI_ATU_TOLV");
}

void TColecaoTolv::AbrirBancoAlteracao(const QString& arquivo, bool forcaCopia) {
  TColecao::AbrirBancoDeclaracao(arquivo, forcaCopia);
  PreparaProcedimentoDeclaracao("ATU_TOLV");
}

bool TColecaoTolv::ListaAberta() {
  if (!m_procedimento) return false;
  return m_consultaLista.aberta() || AbreDataSet(m_consultaLista);
}

void TColecaoTolv::EsqueceLeituras() {
  m_total = -1;
  m_consultaLista.fecha();
}

void TColecaoTolv::CarregaObjeto(TTolv& tolv, bd::Consulta& dados) {
  CarregaCabecalho(tolv, dados);
  CarregaResumosDaLinha(tolv);
  GuardaCopia(tolv);
}

void TColecaoTolv::CarregaCabecalho(TTolv& tolv, bd::Consulta& dados) {
  m_chaveAtual = dados.campo(QStringLiteral("TOLV_DK")).inteiro();
  CarregaLinha(tolv, dados, true);
}

void TColecaoTolv::GuardaCopia(TTolv& tolv) {
  if (!m_tolv) return;
  m_tolv->Limpar();
  try {
    tolv.Atribui(*m_tolv);
  } catch (const TErro&) {
    // The copy is only a convenience; the loaded declaration already lists the bad value.
  }
}

void TColecaoTolv::CarregaResumosDaLinha(TTolv& tolv) {
  const QString caminho = Caminho(tolv.GetNomeBancoDeclaracao());
  const bd::Conexao* declaracao = GetBancoDeclaracao();
  if (declaracao && declaracao->conectada() && declaracao->arquivo().toUpper() == caminho.toUpper()) {
    if (!FalhaBanco) tolv.CarregaResumos();
    return;
  }
  tolv.GetResumoGeral().Zera();
  tolv.GetResumo().Zera();
  if (!QFile::exists(caminho)) return;
  try {
    bd::Conexao conexao(caminho);
    conexao.conecta();
    bd::Transacao transacao(conexao, Parametros());
    bd::Consulta propria(transacao, QStringLiteral("Select * from RESUMOS where E_FONTE_DK = 1"));
    propria.abre();
    if (!propria.eof()) TColecaoResumo::LeTotais(tolv.GetResumo(), propria);
    if (tolv.GetInAdmFC() || tolv.GetInAdvogado()) {
      bd::Consulta todas(transacao, QStringLiteral("Select * from BUSCA_RESUMO_TOTAL"));
      todas.abre();
      if (!todas.eof() && todas.campo(QStringLiteral("TOTAL")).inteiro() > 0)
        TColecaoResumo::LeTotais(tolv.GetResumoGeral(), todas);
    } else if (!propria.eof()) {
      TColecaoResumo::LeTotais(tolv.GetResumoGeral(), propria);
    }
  } catch (const bd::ErroBanco& e) {
    // A listing goes on without the summaries of a database it cannot read.
    qWarning("resumos de %s ilegíveis: %s", qUtf8Printable(caminho), e.what());
  }
}

bool TColecaoTolv::Localiza(TTolv& tolv) {
  if (!ListaAberta()) return false;
  if (!tolv.GetTolvDK().isEmpty())
    return m_consultaLista.localiza(QStringLiteral("TOLV_DK"), {tolv.GetTolvDK().toInt()});
  TContribuinte& declarante = tolv.GetContribuinte();
  auto tomaNome = [&] {
    if (declarante.GetNome().GetValor().isEmpty()) declarante.GetNome().SetNomeComErro(Texto(m_consultaLista, "NM_NM_EMPR"));
  };
  if (m_consultaLista.localiza(kCamposDeclaracao, {Tipo(tolv), declarante.GetBase(), tolv.GetAnoCalendario()})) {
    tomaNome();
    return true;
  }
  if (m_consultaLista.localiza(QStringLiteral("IN_PF_PJ;NR_PF_PJ"), {Tipo(tolv), declarante.GetBase()})) tomaNome();
  return false;
}

bool TColecaoTolv::CarregaTolv(TTolv& tolv) {
  if (!Localiza(tolv)) return false;
  tolv.LiberaItens();
  CarregaCabecalho(tolv, m_consultaLista);
  const QString arquivo = tolv.GetNomeBancoDeclaracao();
  AbrirBancoDeclaracao(arquivo, false);
  // The file in use from now on, whatever the row remembered.
  tolv.SetArquivo(arquivo);
  if (!FalhaBanco) tolv.CarregaResumos();
  GuardaCopia(tolv);
  return true;
}

bool TColecaoTolv::LeTolv(TTolv& tolv) {
  if (!Localiza(tolv)) return false;
  tolv.LiberaItens();
  CarregaCabecalho(tolv, m_consultaLista);
  tolv.SetArquivo(tolv.GetNomeBancoDeclaracao());
  return true;
}

bool TColecaoTolv::RecarregaTolv(TTolv& tolv) {
  Opera(&m_transacaoDeclaracao, Lado::Declaracao, &bd::Transacao::rollback, {}, kFalhaDesfazer);
  m_bancoDeclaracao = nullptr;
  return CarregaTolv(tolv);
}

void TColecaoTolv::Inclui(TTolv& tolv) {
  // Without the index the new database would have no row to be found by.
  if (!m_procedimento || FalhaBancoIndice) return;
  if (Localiza(tolv)) {
    const bool empresa = tolv.GetContribuinte().GetTipo() == kNiCnpj;
    throw EColecaoError(empresa ? kCnpjJaDeclarado : kCpfJaDeclarado,
                        tolv.GetContribuinte().GetNiFormatado() + u';' + tolv.GetAnoCalendario());
  }
  const QString arquivo = tolv.GetNomeBancoDeclaracao();
  // A database of that name that the index does not list is kept, never overwritten.
  if (QFile::exists(Caminho(arquivo))) {
    DesconectaDeclaracao(Caminho(arquivo));
    ArquivosDeclaracao::PoeDeLado(arquivo);
  }
  // A new declaration has no database of its own yet, whatever the object held before.
  tolv.SetArquivo(QString());
  AbrirBancoDeclaracao(arquivo, true);
  if (FalhaBanco) return;
  GravaBancos(tolv);
  tolv.GetResumoGeral().Zera();
  tolv.GetResumo().Zera();
  tolv.GetColecaoResumo().GravaResumo(tolv.GetResumo());
}

void TColecaoTolv::PreencheIndice(TTolv& tolv, bool registro) {
  bd::Procedimento& p = *m_procedimento;
  p.limpaParametros();
  const QDate dataEvento = DataEvento(tolv);
  PreencheComum(p, tolv, dataEvento);
  const bool pessoa = tolv.GetContribuinte().GetTipo() == kNiCpf;
  p.param(QStringLiteral("TOLV_DK"), tolv.GetTolvDK().isEmpty() ? bd::Dado() : bd::Dado(tolv.GetTolvDK().toInt()));
  p.param(QStringLiteral("SCP"), tolv.GetInOstensivo() ? QStringLiteral("T") : QStringLiteral("F"));
  p.param(QStringLiteral("IN_NATUREZADECLAR"),
          pessoa && !registro ? kNaturezaPessoaFisica : int(tolv.GetCodigoNatureza()));
  PreencheResponsavel(p, tolv, !registro || tolv.GetResponsavel().ValidaContribuinte() == 0);
  p.param(QStringLiteral("ARQUIVO"), registro ? tolv.GetArquivo() : tolv.GetNomeBancoDeclaracao());
}

void TColecaoTolv::PreencheDeclaracao(TTolv& tolv) {
  bd::Procedimento& p = *m_procedimentoDeclaracao;
  p.limpaParametros();
  if (m_alteracao) {
    p.param(QStringLiteral("AN_RETENCA"), tolv.GetAnoCalendario());
    p.param(QStringLiteral("IN_PF_PJ"), Tipo(tolv));
    p.param(QStringLiteral("NR_PF_PJ"), tolv.GetContribuinte().GetBase());
    p.param(QStringLiteral("NM_NM_EMPR"), tolv.GetContribuinte().GetNome().GetValor());
    return;
  }
  PreencheComum(p, tolv, DataEvento(tolv));
  p.param(QStringLiteral("IN_TIPO"), 0);
  p.param(QStringLiteral("IN_NATUREZADECLAR"), int(tolv.GetCodigoNatureza()));
  const TResponsavel& r = tolv.GetResponsavel();
  PreencheResponsavel(p, tolv, r.ValidaContribuinte() == 0 && !r.GetNiDigitos().isEmpty());
}

void TColecaoTolv::RenomeiaBanco(const QString& anterior, const QString& novo) {
  const QString de = Caminho(anterior);
  DesconectaDeclaracao(de);
  if (bd::Conexao::arquivoEmUso(de)) throw EColecaoError(kArquivoEmUso, anterior);
  ArquivosDeclaracao::PoeDeLado(novo);
  if (!QFile::rename(de, Caminho(novo))) throw EColecaoError(kArquivoEmUso, anterior);
}

void TColecaoTolv::GravaBancos(TTolv& tolv) {
  if (tolv.GetAnoCalendario().isEmpty() || !m_procedimento) return;
  const QString novo = tolv.GetNomeBancoDeclaracao();
  const QString anterior = tolv.GetArquivo();
  const bool numeroAlterado =
      !anterior.isEmpty() && anterior.toUpper() != novo.toUpper() && QFile::exists(Caminho(anterior));
  if (numeroAlterado) {
    // The new number must not take the row of another declaration.
    bd::Consulta outra(*m_transacaoIndice,
                       QStringLiteral("SELECT TOLV_DK FROM TOLVS\nWHERE IN_PF_PJ = :IN_PF_PJ AND NR_PF_PJ = :NR_PF_PJ "
                                      "AND AN_RETENCA = :AN_RETENCA"));
    outra.param(QStringLiteral("IN_PF_PJ"), Tipo(tolv));
    outra.param(QStringLiteral("NR_PF_PJ"), tolv.GetContribuinte().GetBase());
    outra.param(QStringLiteral("AN_RETENCA"), tolv.GetAnoCalendario());
    if (!AbreDataSet(outra)) return;
    if (!outra.eof() && QString::number(outra.campo(QStringLiteral("TOLV_DK")).inteiro()) != tolv.GetTolvDK()) {
      const bool empresa = tolv.GetContribuinte().GetTipo() == kNiCnpj;
      throw EColecaoError(empresa ? kCnpjJaDeclarado : kCpfJaDeclarado,
                          tolv.GetContribuinte().GetNiFormatado() + u';' + tolv.GetAnoCalendario());
    }
  }

  PreencheIndice(tolv, false);
  if (!ExecutaProcedure(*m_procedimento)) return;
  if (numeroAlterado) {
    // The file takes its new name before its header takes the new number, so that the
    // declaration's data and its header always travel together.
    try {
      RenomeiaBanco(anterior, novo);
    } catch (const EColecaoError&) {
      DesfazTransacaoRetendo();
      throw;
    }
    tolv.SetArquivoAnterior(anterior);
    AbrirBancoAlteracao(novo, false);
  } else {
    AbrirBancoDeclaracao(novo, false);
  }
  tolv.SetArquivo(novo);
  if (FalhaBanco || !m_procedimentoDeclaracao) return;
  // The index row waits for the header: both are kept together or neither is.
  if (!m_transacaoDeclaracao.ativa()) Inicia(m_transacaoDeclaracao, Lado::Declaracao);
  if (FalhaBanco) return;
  tolv.SetTolvDK(QString::number(m_procedimento->saida(QStringLiteral("TOLV_DK_OUT")).inteiro()));
  tolv.SetFonteDK(QStringLiteral("1"));
  PreencheDeclaracao(tolv);
  if (ExecutaProcedure(*m_procedimentoDeclaracao) && !ConfirmaOsDois() && numeroAlterado) {
    // The index still lists the file under its previous name: it goes back there.
    try {
      RenomeiaBanco(novo, anterior);
    } catch (const EColecaoError&) {
      // Left under the new name: the message of the failed save was shown already.
    }
    tolv.SetArquivoAnterior(QString());
    tolv.SetArquivo(anterior);
    TColecao::AbrirBancoDeclaracao(anterior, false);
  }
  EsqueceLeituras();
}

void TColecaoTolv::SalvaComEncerramento(TTolv& tolv, const QDate& encerramento) {
  if (tolv.GetAnoCalendario().isEmpty() || !m_procedimento) return;
  const QString arquivo = tolv.GetNomeBancoDeclaracao();
  if (!tolv.GetArquivo().isEmpty() && tolv.GetArquivo().toUpper() != arquivo.toUpper()) GravaBancos(tolv);
  AbrirBancoDeclaracao(arquivo, false);
  if (FalhaBanco || FalhaBancoIndice || !m_procedimentoDeclaracao) return;
  IniciaTransacao();
  PreencheDeclaracao(tolv);
  if (!ExecutaProcedure(*m_procedimentoDeclaracao)) return;
  bd::Procedimento fechamento(m_transacaoDeclaracao, QStringLiteral("ATU_ENCERRAMENTO"));
  fechamento.param(QStringLiteral("Data_Encerramento"), encerramento);
  if (!ExecutaProcedure(fechamento)) return;
  PreencheIndice(tolv, false);
  if (!ExecutaProcedure(*m_procedimento)) return;
  if (!ConfirmaOsDois()) return;
  tolv.SetTolvDK(QString::number(m_procedimento->saida(QStringLiteral("TOLV_DK_OUT")).inteiro()));
  tolv.SetArquivo(arquivo);
  tolv.SetFonteDK(QStringLiteral("1"));
  EsqueceLeituras();
}

void TColecaoTolv::Exclui(TTolv& tolv) {
  if (!m_procedimento) return;
  m_consultaComando.param(QStringLiteral("TOLV_DK"), tolv.GetTolvDK().toInt());
  if (!ExecutaConsulta(m_consultaComando)) return;
  const QString arquivo = tolv.GetArquivo().isEmpty() ? tolv.GetNomeBancoDeclaracao() : tolv.GetArquivo();
  const QString caminho = Caminho(arquivo);
  if (QFile::exists(caminho)) {
    DesconectaDeclaracao();
    if (bd::Conexao::arquivoEmUso(caminho) || !ArquivosDeclaracao::Exclui(caminho)) {
      DesfazTransacaoRetendo();
      EsqueceLeituras();
      throw EColecaoError(kExclusaoImpossivel, tolv.GetContribuinte().GetNiFormatado());
    }
  }
  ConfirmaTransacao();
  if (m_tolv) m_tolv->Limpar();
  EsqueceLeituras();
}

void TColecaoTolv::RegistraBanco(TTolv& tolv) {
  if (!m_procedimento) return;
  const bool listada = Localiza(tolv);
  const bd::Dado chave = listada ? bd::Dado(m_consultaLista.campo(QStringLiteral("TOLV_DK")).inteiro()) : bd::Dado();
  PreencheIndice(tolv, true);
  m_procedimento->param(QStringLiteral("TOLV_DK"), chave);
  IniciaTransacao();
  if (ExecutaProcedure(*m_procedimento)) {
    tolv.SetTolvDK(QString::number(m_procedimento->saida(QStringLiteral("TOLV_DK_OUT")).inteiro()));
    ConfirmaTransacao();
  }
  EsqueceLeituras();
}

void TColecaoTolv::VerificaIndicadores(TTolv& tolv) {
  if (FalhaBanco || FalhaBancoIndice || !m_procedimento) return;
  const uint8_t tipo = tolv.GetContribuinte().GetTipo();
  if (tipo != kNiCpf && tipo != kNiCnpj) throw std::runtime_error("Arquivo Corrompido");
  if (!m_transacaoDeclaracao.temConexao()) AbrirBancoDeclaracao(tolv.GetNomeBancoDeclaracao(), false);
  if (FalhaBanco) return;
  const QString ano = tolv.GetAnoCalendario();
  const QString numero = tolv.GetContribuinte().GetBase();

  bd::Procedimento busca(*m_transacaoIndice, QStringLiteral("BUSCA_FLAGS"));
  busca.param(QStringLiteral("IN_PF_PJ"), Tipo(tolv));
  busca.param(QStringLiteral("NR_PF_PJ"), numero);
  busca.param(QStringLiteral("AN_RETENCA"), ano);
  busca.executa();

  bd::Procedimento verifica(m_transacaoDeclaracao, QStringLiteral("VERIFICA_INDICADORES"));
  verifica.param(QStringLiteral("INADMFC_I"), busca.saida(QStringLiteral("IN_ADM_FC_O")).valor());
  verifica.param(QStringLiteral("INPROCESSO_I"), busca.saida(QStringLiteral("IN_ADVOGADO_O")).valor());
  verifica.param(QStringLiteral("INREM_I"), busca.saida(QStringLiteral("IN_REMESSA_O")).valor());
  verifica.param(QStringLiteral("INPS_I"), busca.saida(QStringLiteral("IN_PLANOSAUDE_O")).valor());
  verifica.executa();
  if (verifica.saida(QStringLiteral("RESULTADO")).texto() != u"1") return;

  const int admFC = verifica.saida(QStringLiteral("INADMFC_O")).inteiro();
  const int processo = verifica.saida(QStringLiteral("INPROCESSO_O")).inteiro();
  const QString remessa = verifica.saida(QStringLiteral("INREM_O")).texto().trimmed();
  const int planoSaude = verifica.saida(QStringLiteral("INPS_O")).inteiro();
  bd::Procedimento atualiza(*m_transacaoIndice, QStringLiteral("ATUALIZA_FLAGS"));
  atualiza.param(QStringLiteral("IN_PF_PJ"), verifica.saida(QStringLiteral("IN_PF_PJ_O")).valor());
  atualiza.param(QStringLiteral("NR_PF_PJ"), verifica.saida(QStringLiteral("NR_PF_PJ_O")).valor());
  atualiza.param(QStringLiteral("AN_RETENCA"), verifica.saida(QStringLiteral("AN_RETENCA_O")).valor());
  atualiza.param(QStringLiteral("INADMFC_I"), admFC);
  atualiza.param(QStringLiteral("INPROCESSO_I"), processo);
  atualiza.param(QStringLiteral("INREM_I"), remessa);
  atualiza.param(QStringLiteral("INPS_I"), planoSaude);
  atualiza.executa();
  Opera(m_transacaoIndice.get(), Lado::Indice, &bd::Transacao::commit,
        QStringLiteral("Não foi possível salvar as alterações no banco Tolv. Mensagem retornada: "), 0);
  EsqueceLeituras();

  // Only ever on: an indicator the user set stays even when no data call for it.
  if (admFC == 1) tolv.SetInAdmFC(1);
  if (processo == 1) tolv.SetInAdvogado(1);
  if (remessa == u"S") tolv.SetInRemessa(1);
  if (planoSaude == 1) {
    tolv.SetInPlanoSaude(1);
    // A person pays a collective health plan only as a holder of notarial services.
    if (tipo == kNiCpf) tolv.SetInServicoNotarial(1);
  }
}

bool TColecaoTolv::LocalizaEstabelecimento(TTolv& tolv, bool parcial) {
  const QString numero = tolv.GetContribuinte().GetBase();
  return m_consultaLista.localiza(kCamposDeclaracao,
                                  {QStringLiteral("2"), parcial ? numero.left(8) : numero, tolv.GetAnoCalendario()},
                                  {parcial, false});
}

bool TColecaoTolv::BuscaOutroEstabelecimento(TTolv& tolv) {
  if (tolv.GetContribuinte().GetTipo() != kNiCnpj || !ListaAberta()) return false;
  if (!LocalizaEstabelecimento(tolv, true)) return false;
  if (LocalizaEstabelecimento(tolv, false)) return false;
  // The first establishment of the root, in the list's order, lends its header.
  const bd::Consulta& d = m_consultaLista;
  if (tolv.GetContribuinte().GetNome().GetValor().isEmpty())
    tolv.GetContribuinte().GetNome().SetNomeComErro(Texto(d, "NM_NM_EMPR"));
  if (TNatureza* natureza = tolv.GetNaturezas().BuscaNatureza(d.campo(QStringLiteral("IN_NATUREZADECLAR")).inteiro()))
    tolv.SetNatureza(natureza);
  CarregaIndicadores(tolv, d);
  return true;
}

void TColecaoTolv::GetNiOutroEstabelecimento(TTolv& tolv, QString& numero) {
  if (!ListaAberta() || LocalizaEstabelecimento(tolv, false) || m_consultaLista.posicao() == 0) return;
  numero = Texto(m_consultaLista, "NR_PF_PJ").trimmed();
}

bool TColecaoTolv::ExisteEstabelecimentoPrivado(TTolv& tolv) {
  if (!ListaAberta() || !LocalizaEstabelecimento(tolv, true) || LocalizaEstabelecimento(tolv, false)) return false;
  const bd::Campo natureza = m_consultaLista.campo(QStringLiteral("IN_NATUREZADECLAR"));
  return !natureza.nulo() && natureza.inteiro() == 0;
}

bool TColecaoTolv::ExisteOutroEstabelecimento(TTolv& tolv) {
  if (tolv.GetContribuinte().GetTipo() != kNiCnpj || tolv.GetAnoCalendario() <= u"2004") return false;
  return ExisteEstabelecimentoPrivado(tolv);
}

bool TColecaoTolv::ConflitoEstabelecimento(const QString& numero, const QString& ano) {
  if (!m_procedimento) return false;
  bd::Consulta estabelecimentos(*m_transacaoIndice,
                                QStringLiteral("Select * from TOLVS\nwhere AN_RETENCA = :ANO AND IN_PF_PJ = :ESPECIE "
                                               "AND NR_PF_PJ LIKE :NI"));
  estabelecimentos.param(QStringLiteral("ANO"), ano);
  estabelecimentos.param(QStringLiteral("ESPECIE"), QStringLiteral("2"));
  // Digits only: the root holds no LIKE wildcard.
  estabelecimentos.param(QStringLiteral("NI"), numero.left(8) + u'%');
  if (!AbreDataSet(estabelecimentos)) return false;
  for (; !estabelecimentos.eof(); estabelecimentos.proximo()) {
    const int natureza = estabelecimentos.campo(QStringLiteral("IN_NATUREZADECLAR")).inteiro();
    if (Texto(estabelecimentos, "NR_PF_PJ").trimmed() != numero && natureza != 1 && natureza != 2) return true;
  }
  return false;
}

TColecaoTolv::Cabecalho TColecaoTolv::LeCabecalhoBanco(const QString& arquivo, TTolv& tolv) {
  tolv.Limpar();
  tolv.SetTolvDK(QString());
  std::optional<bd::Conexao> conexao;
  try {
    conexao.emplace(Caminho(arquivo));
    conexao->conecta();
  } catch (const bd::ErroBanco&) {
    return Cabecalho::Ilegivel;
  }
  try {
    bd::Transacao transacao(*conexao, Parametros());
    bd::Consulta versao(transacao, QStringLiteral("SELECT * FROM VERSAO"));
    int ano = 0, numero = 0;
    try {
      versao.abre();
      if (versao.eof()) return Cabecalho::Ilegivel;
      ano = versao.campo(QStringLiteral("ANO")).inteiro();
      numero = versao.campo(QStringLiteral("VERSAO")).inteiro();
    } catch (const bd::ErroBanco&) {
      // Opened but with no version to read: not known to be of another version.
      return Cabecalho::Ilegivel;
    }
    if (ano != 2014 || numero < 100) return Cabecalho::Incompativel;
    bd::Consulta cabecalho(transacao, QStringLiteral("SELECT * FROM TOLVS ORDER BY IN_PF_PJ, NR_PF_PJ, AN_RETENCA"));
    cabecalho.abre();
    if (cabecalho.eof()) return Cabecalho::SemDeclaracao;
    CarregaLinha(tolv, cabecalho, false);
  } catch (const bd::ErroBanco&) {
    return Cabecalho::Ilegivel;
  }
  tolv.SetArquivo(arquivo);
  const uint8_t tipo = tolv.GetContribuinte().GetTipo();
  // Without a declarant and a year there is no row to list it under.
  if ((tipo != kNiCpf && tipo != kNiCnpj) || tolv.GetAnoCalendario().isEmpty()) return Cabecalho::SemDeclaracao;
  return Cabecalho::Lido;
}

EFalhaBanco::Lado TColecaoTolv::Marca(Lado lado) {
  return lado == Lado::Indice ? EFalhaBanco::Lado::Indice : EFalhaBanco::Lado::Declaracao;
}

void TColecaoTolv::Opera(bd::Transacao* transacao, Lado lado, void (bd::Transacao::*operacao)(),
                         const QString& prefixo, int codigo) {
  if (!transacao || !transacao->ativa()) return;
  try {
    (transacao->*operacao)();
  } catch (const bd::ErroBanco& e) {
    AvisaFalhaBanco(EFalhaBanco(codigo ? TErro::FormataMensagem(codigo, e.mensagem()) : prefixo + e.mensagem(),
                                Marca(lado), false));
  }
}

bool TColecaoTolv::ConfirmaOsDois() {
  const QString salvar = QStringLiteral("Não foi possível salvar as alterações. Mensagem retornada: ");
  // The declaration side is the one more likely to refuse (its many rows, its triggers): it
  // answers first, and stays undoable until the index has kept its row.
  Opera(&m_transacaoDeclaracao, Lado::Declaracao, &bd::Transacao::prepara, salvar, 0);
  if (!FalhaBanco)
    Opera(m_transacaoIndice.get(), Lado::Indice, &bd::Transacao::commit,
          QStringLiteral("Não foi possível salvar as alterações no banco Tolv. Mensagem retornada: "), 0);
  if (FalhaBanco || FalhaBancoIndice) {
    DesfazTransacao();
    return false;
  }
  Opera(&m_transacaoDeclaracao, Lado::Declaracao, &bd::Transacao::commit, salvar, 0);
  return !FalhaBanco;
}

void TColecaoTolv::Inicia(bd::Transacao& transacao, Lado lado) {
  try {
    transacao.inicia();
  } catch (const bd::ErroBanco& e) {
    AvisaFalhaBanco(EFalhaBanco(TErro::FormataMensagem(kFalhaIniciar, e.mensagem()), Marca(lado), false));
  }
}

void TColecaoTolv::ConfirmaTransacao() {
  Opera(m_transacaoIndice.get(), Lado::Indice, &bd::Transacao::commit,
        QStringLiteral("Não foi possível salvar as alterações no banco Tolv. Mensagem retornada: "), 0);
  Opera(&m_transacaoDeclaracao, Lado::Declaracao, &bd::Transacao::commit,
        QStringLiteral("Não foi possível salvar as alterações. Mensagem retornada: "), 0);
}

void TColecaoTolv::ConfirmaTransacaoRetendo() {
  Opera(m_transacaoIndice.get(), Lado::Indice, &bd::Transacao::commitRetendo,
        QStringLiteral("Não foi possível salvar as alterações no banco Tolv. Mensagem retornada: "), 0);
  Opera(&m_transacaoDeclaracao, Lado::Declaracao, &bd::Transacao::commitRetendo,
        QStringLiteral("Não foi possível salvar as alterações. Mensagem retornada: "), 0);
}

void TColecaoTolv::DesfazTransacao() {
  Opera(m_transacaoIndice.get(), Lado::Indice, &bd::Transacao::rollback, {}, kFalhaDesfazer);
  Opera(&m_transacaoDeclaracao, Lado::Declaracao, &bd::Transacao::rollback, {}, kFalhaDesfazer);
}

void TColecaoTolv::DesfazTransacaoRetendo() {
  Opera(m_transacaoIndice.get(), Lado::Indice, &bd::Transacao::rollbackRetendo, {}, kFalhaDesfazer);
  Opera(&m_transacaoDeclaracao, Lado::Declaracao, &bd::Transacao::rollbackRetendo, {}, kFalhaDesfazer);
}

void TColecaoTolv::IniciaTransacao() {
  auto inicia = [this](bd::Transacao* transacao, Lado lado) {
    if (transacao->ativa())
      ConfirmaTransacaoRetendo();
    else
      Inicia(*transacao, lado);
  };
  if (m_transacaoIndice) inicia(m_transacaoIndice.get(), Lado::Indice);
  if (m_transacaoDeclaracao.temConexao()) inicia(&m_transacaoDeclaracao, Lado::Declaracao);
}

void AtualizaStatusTolv(TColecaoTolv& colecao, TTolv& tolv, int status) {
  bd::Transacao* transacao = colecao.GetTransacaoIndice();
  if (!transacao || FalhaBancoIndice) return;
  bd::Procedimento procedimento(*transacao, QStringLiteral("ATUALIZA_IN_STATUS"));
  procedimento.param(QStringLiteral("IN_PF_PJ"), Tipo(tolv));
  procedimento.param(QStringLiteral("NR_PF_PJ"), tolv.GetContribuinte().GetBase());
  procedimento.param(QStringLiteral("AN_RETENCA"), tolv.GetAnoCalendario());
  procedimento.param(QStringLiteral("IN_STATUS"), status);
  if (TColecao::ExecutaProcedure(procedimento)) colecao.ConfirmaTransacao();
}

bool CnpjUsadoEmFundo(TColecaoTolv& colecao, TTolv& tolv) {
  bd::Transacao* transacao = colecao.GetTransacao();
  if (!transacao || !transacao->temConexao() || FalhaBanco || FalhaBancoIndice) return false;
  bd::Consulta contagem(*transacao, QStringLiteral("SELECT COUNT(ft.nr_pf_pj) REGS\nFROM fontes ft\n"
                                                   "WHERE ft.fonte_dk <> 1\nAND ft.in_tipo = 0\n"
                                                   "AND ft.in_pf_pj = 2\nAND ft.nr_pf_pj = :NI"));
  contagem.param(QStringLiteral("NI"), tolv.GetContribuinte().GetBase());
  return colecao.AbreDataSet(contagem) && contagem.campo(QStringLiteral("REGS")).inteiro() > 0;
}

void AtualizaEncerramento(TColecao& colecao, const QDate& data) {
  bd::Transacao* transacao = colecao.GetTransacao();
  if (!transacao || !transacao->temConexao() || FalhaBanco || FalhaBancoIndice) return;
  CursorEspera espera(Qt::BusyCursor);
  bd::Procedimento procedimento(*transacao, QStringLiteral("ATU_ENCERRAMENTO"));
  procedimento.param(QStringLiteral("Data_Encerramento"), data);
  if (TColecao::ExecutaProcedure(procedimento)) colecao.ConfirmaTransacao();
}
