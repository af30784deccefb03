#include "nucleo/TColecaoAnexo.h"

#include "nucleo/CursorEspera.h"
#include "nucleo/TAdvogadoAnexo.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TDeclaranteAnexo.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Transacao.h"

namespace {

const QString kSemErro = QStringLiteral("SemErro");

bd::Dado Chave(const QString& fonteDK) {
  bool ok = false;
  const int chave = fonteDK.trimmed().toInt(&ok);
  return ok ? bd::Dado(chave) : bd::Dado();
}

// Closes a forward-only query when the reading ends, also when a callback raises.
class FechaAoSair {
 public:
  explicit FechaAoSair(bd::Consulta& consulta) : m_consulta(consulta) {}
  ~FechaAoSair() { m_consulta.fecha(); }
  FechaAoSair(const FechaAoSair&) = delete;
  FechaAoSair& operator=(const FechaAoSair&) = delete;

 private:
  bd::Consulta& m_consulta;
};

}  // namespace

TColecaoAnexo::TColecaoAnexo(TTolv& declaracao) {
  if (!Conecta(declaracao)) return;
  bd::Transacao* transacao = GetTransacao();
  m_procedimento = std::make_unique<bd::Procedimento>(*transacao, QStringLiteral("INCLUI_ATU_FONTE"));
  m_procedimento->prepara();
  m_consultaLista.defineTransacao(transacao);
  m_consultaTotal.defineTransacao(transacao);
  AbreAnexos();
  m_consultaComando.defineTransacao(transacao);
  m_consultaComando.defineSql(QStringLiteral("EXECUTE PROCEDURE EXCLUI_FONTE(:FONTE_DK)"));
  m_consultaComando.prepara();
  auto prepara = [transacao](bd::Consulta& consulta, const QString& sql) {
    consulta.defineTransacao(transacao);
    consulta.defineSql(sql);
    consulta.prepara();
  };
  prepara(m_buscaProcesso, QStringLiteral("SELECT * FROM BUSCA_PROCESSO(:NR_PF_PJ_I, :TIPO_PROCESSO_I)"));
  prepara(m_navegaProcesso, QStringLiteral("SELECT * FROM NAVEGA_PROCESSO(:P_FONTE_DK, :P_DIRECAO)"));
  prepara(m_navegaFundo, QStringLiteral("SELECT * FROM NAVEGA_FUNDO(:P_FONTE_DK, :P_DIRECAO)"));
  prepara(m_posicaoFundo, QStringLiteral("SELECT COUNT(*) AS POSICAO FROM FONTES\n"
                                         "WHERE (IN_TIPO = 0) AND ((FONTE_DK > 1) AND (FONTE_DK < :P_FONTE_DK))"));
  prepara(m_pesquisarFundos, QStringLiteral("SELECT * FROM PESQUISAR_FC(:OPCAO_FILTRO_CNPJ_I, :OPCAO_FILTRO_NOME_I, "
                                            ":FILTRO_CNPJ_I, :FILTRO_NOME_I)"));
  prepara(m_pesquisarProcessos,
          QStringLiteral("SELECT * FROM PESQUISAR_PROCESSO(:OPCAO_FILTRO_NPROCESSO_I, :OPCAO_FILTRO_CPFCNPJ_ADV_I, "
                         ":OPCAO_FILTRO_NOME_ADV_I, :FILTRO_NPROCESSO_I, :FILTRO_TIPO_PROCESSO_I, "
                         ":FILTRO_CPFCNPJ_ADV_I, :FILTRO_NOME_ADV_I)"));
}

TColecaoAnexo::TColecaoAnexo(TTolv& declaracao, SoVerificacao) {
  if (!Conecta(declaracao)) return;
  m_processosVerificacao.defineTransacao(GetTransacao());
  m_processosVerificacao.defineSql(QStringLiteral("SELECT * FROM TOLV_ITENS_PROC_VP"));
  m_processosVerificacao.prepara();
}

TColecaoAnexo::~TColecaoAnexo() = default;

std::unique_ptr<TColecaoAnexo> TColecaoAnexo::CreateVerificacao(TTolv& declaracao) {
  return std::unique_ptr<TColecaoAnexo>(new TColecaoAnexo(declaracao, SoVerificacao{}));
}

bool TColecaoAnexo::Conecta(TTolv& declaracao) {
  DefineTransacao(&declaracao.GetTransacaoAnexos());
  AbrirBancoDeclaracao(declaracao.GetNomeBancoDeclaracao(), false);
  if (FalhaBanco || FalhaBancoIndice) return false;
  m_declaracao = &declaracao;
  return true;
}

bool TColecaoAnexo::Reabre(bd::Consulta& consulta, Parametros parametros) {
  consulta.fecha();
  for (const auto& [nome, valor] : parametros) consulta.param(QString::fromLatin1(nome), valor);
  return AbreDataSet(consulta);
}

std::optional<bd::Consulta> TColecaoAnexo::AbreNova(const QString& sql, Parametros parametros) {
  bd::Consulta consulta(*GetTransacao(), sql, bd::Consulta::Modo::Sequencial);
  if (!Reabre(consulta, parametros)) return std::nullopt;
  return consulta;
}

bool TColecaoAnexo::Navega(bd::Consulta& consulta, TAnexoFC& anexo, const QString& direcao) {
  const bool relativa = direcao == u"NEXT" || direcao == u"PREV";
  if (!Reabre(consulta, {{"P_FONTE_DK", relativa ? Chave(anexo.GetFonteDK()) : bd::Dado()}, {"P_DIRECAO", direcao}}))
    return false;
  if (!consulta.eof()) return true;
  consulta.fecha();
  return false;
}

void TColecaoAnexo::PreparaLista(const QString& lista, const QString& contagem, std::optional<int> tipo) {
  if (!m_declaracao) return;
  for (auto [consulta, sql] : {std::pair{&m_consultaLista, &lista}, std::pair{&m_consultaTotal, &contagem}}) {
    consulta->fecha();
    consulta->defineSql(*sql);
    consulta->prepara();
    if (tipo) consulta->param(QStringLiteral("IN_TIPO"), *tipo);
  }
  m_total = -1;
  m_consultaAtual = &m_consultaLista;
}

void TColecaoAnexo::AbreAnexos() {
  PreparaLista(QStringLiteral("Select * from FONTES\nwhere FONTE_DK > 1\norder by IN_TIPO, NR_PF_PJ"),
               QStringLiteral("Select count(*) As Total from FONTES\nwhere FONTE_DK > 1"), std::nullopt);
}

void TColecaoAnexo::AbreAnexosTipo(int tipo) {
  PreparaLista(
      QStringLiteral("Select * from FONTES\nwhere FONTE_DK > 1\nand IN_TIPO = :IN_TIPO\norder by IN_PF_PJ, NR_PF_PJ"),
      QStringLiteral("Select count(*) As Total from FONTES\nwhere FONTE_DK > 1\nand IN_TIPO = :IN_TIPO"), tipo);
}

void TColecaoAnexo::AbreFontesImpressao() {
  // The count follows the list, whatever list came before.
  PreparaLista(QStringLiteral("Select * from FONTES_IMPRESSAO"),
               QStringLiteral("Select count(*) As Total from FONTES\nwhere FONTE_DK > 1"), std::nullopt);
}

void TColecaoAnexo::AbreConsulta(bd::Consulta& consulta) {
  CursorEspera espera(Qt::BusyCursor);
  consulta.fecha();
  AbreDataSet(consulta);
}

void TColecaoAnexo::CarregaVazia(TAnexoFC& anexo) { anexo.LimpaAnexo(); }

void TColecaoAnexo::CarregaObjeto(TAnexoFC& anexo, bd::Consulta& dados) { CarregaLinha(anexo, dados, false); }

void TColecaoAnexo::CarregaObjetoCompleto(TAnexoFC& anexo, bd::Consulta& dados) { CarregaLinha(anexo, dados, true); }

void TColecaoAnexo::CarregaLinha(TAnexoFC& anexo, bd::Consulta& dados, bool completo) {
  if (dados.bof() && dados.eof()) {
    anexo.LimpaAnexo();
    return;
  }
  const int fonte = dados.campo(QStringLiteral("FONTE_DK")).inteiro();
  m_chaveAtual = fonte;
  anexo.SetFonteDK(QString::number(fonte));
  TDeclaranteAnexo& identificacao = anexo.GetIdentificacao();
  const QString numero = dados.campo(QStringLiteral("NR_PF_PJ")).texto();
  if (dados.campo(QStringLiteral("IN_PF_PJ")).texto().trimmed() == u"1") {
    identificacao.SetNiPelaBaseComErro(numero.left(9));
    // A source identified by a CPF is stored without lawyer.
    anexo.GetAdvogado().LimpaAdvogado();
  } else {
    identificacao.SetNiPelaBaseComErro(numero.left(20));
    CarregaAdvogado(anexo, dados.campo(QStringLiteral("NR_ADVOGADO")).texto().left(20),
                    dados.campo(QStringLiteral("NM_ADVOGADO")).texto());
    if (completo) {
      const QString tipoAdvogado = dados.campo(QStringLiteral("IN_PF_PJ_ADVOGADO")).texto().trimmed();
      anexo.GetAdvogado().SetTipo(tipoAdvogado.isEmpty() ? uint8_t(kNiIndefinido) : uint8_t(tipoAdvogado.toInt()));
    }
  }
  identificacao.GetNome().SetNomeComErro(dados.campo(QStringLiteral("NM_NM_EMPR")).texto());
  identificacao.SetTipoIdentificacao(int16_t(dados.campo(QStringLiteral("IN_TIPO")).inteiro()));
  if (completo || dados.temCampo(QStringLiteral("TIPO_PROCESSO")))
    anexo.SetTipoProcesso(TAnexoFC::TipoProcessoLido(dados.campo(QStringLiteral("TIPO_PROCESSO")).texto()));
  if (!completo) CarregaResumo(anexo);
}

void TColecaoAnexo::CarregaAdvogado(TAnexoFC& anexo, const QString& numero, const QString& nome) {
  TAdvogadoAnexo& advogado = anexo.GetAdvogado();
  // Never the previous annex's lawyer; a missing one is no finding of loading.
  if (numero.trimmed().isEmpty()) {
    advogado.LimpaAdvogado();
    return;
  }
  advogado.SetTipo(kNiIndefinido);
  advogado.SetNiPelaBaseComErro(numero.trimmed());
  advogado.GetNome().SetNomeComErro(nome);
}

void TColecaoAnexo::CarregaResumo(TAnexoFC& anexo) {
  if (!m_declaracao) return;
  // A source without its row shows zeros, not the totals of the annex loaded before.
  anexo.GetResumo().Zera();
  m_declaracao->GetColecaoResumo().CarregaResumo(anexo.GetResumo());
}

bool TColecaoAnexo::LocalizaAnexo(TAnexoFC& anexo) {
  if (!m_declaracao) return false;
  TDeclaranteAnexo& identificacao = anexo.GetIdentificacao();
  const uint8_t tipo = identificacao.GetTipo();
  const QString inPfPj = tipo < kNiCnpj || tipo > kNiProcesso ? QStringLiteral("1") : QStringLiteral("2");
  if (!m_consultaLista.aberta() && !AbreDataSet(m_consultaLista)) return false;
  if (!anexo.GetFonteDK().isEmpty())
    return m_consultaLista.localiza(QStringLiteral("FONTE_DK"), {Chave(anexo.GetFonteDK())});
  if (tipo == kNiProcesso)
    return m_consultaLista.localiza(
        QStringLiteral("IN_PF_PJ; NR_PF_PJ;TIPO_PROCESSO"),
        {inPfPj, identificacao.GetBase(), TAnexoFC::TipoProcessoGravado(anexo.GetTipoProcesso())});
  if (!m_consultaLista.localiza(QStringLiteral("IN_PF_PJ; NR_PF_PJ"), {inPfPj, identificacao.GetBase()})) return false;
  if (identificacao.GetNome().GetValor().isEmpty())
    identificacao.GetNome().SetNomeComErro(m_consultaLista.campo(QStringLiteral("NM_NM_EMPR")).texto());
  return true;
}

bool TColecaoAnexo::BuscaAnexo(TAnexoFC& anexo) {
  if (!LocalizaAnexo(anexo)) return false;
  anexo.LiberaItens();
  CarregaObjeto(anexo, m_consultaLista);
  return true;
}

bool TColecaoAnexo::BuscaPorChave(TAnexoFC& anexo) {
  if (!m_declaracao || anexo.GetFonteDK().trimmed().isEmpty()) return false;
  auto q = AbreNova(QStringLiteral("SELECT * FROM FONTES WHERE FONTE_DK = :FONTE_DK AND FONTE_DK > 1"),
                    {{"FONTE_DK", Chave(anexo.GetFonteDK())}});
  if (!q || q->eof()) return false;
  anexo.LiberaItens();
  CarregaObjeto(anexo, *q);
  return true;
}

bool TColecaoAnexo::GravaFonte(TAnexoFC& anexo) {
  if (!m_declaracao || m_declaracao->GetFonteDK().isEmpty()) return false;
  bd::Procedimento& procedimento = *m_procedimento;
  const TContribuinte& identificacao = anexo.GetContribuinte();
  const TAdvogadoAnexo& advogado = anexo.GetAdvogado();
  procedimento.param(QStringLiteral("FONTE_DK"), Chave(anexo.GetFonteDK()));
  procedimento.param(QStringLiteral("NR_PF_PJ"), identificacao.GetBase());
  procedimento.param(QStringLiteral("NM_NM_EMPR"), identificacao.GetNome().GetValor());
  procedimento.param(QStringLiteral("IN_TIPO"), int(anexo.GetTipoAnexo()));
  if (identificacao.GetTipo() == kNiCpf) {
    procedimento.param(QStringLiteral("IN_PF_PJ"), QString::number(kNiCpf));
    procedimento.param(QStringLiteral("IN_PF_PJ_ADVOGADO"), QString());
    procedimento.param(QStringLiteral("NR_ADVOGADO"), QString());
    procedimento.param(QStringLiteral("NM_ADVOGADO"), QString());
  } else {
    procedimento.param(QStringLiteral("IN_PF_PJ"), QString::number(m_declaracao->GetContribuinte().GetTipo()));
    // No lawyer leaves the lawyer's columns empty, its kind as well.
    procedimento.param(QStringLiteral("IN_PF_PJ_ADVOGADO"),
                       advogado.GetNiDigitos().isEmpty() ? QString() : QString::number(advogado.GetTipo()));
    procedimento.param(QStringLiteral("NR_ADVOGADO"), advogado.GetBase());
    procedimento.param(QStringLiteral("NM_ADVOGADO"), advogado.GetNome().GetValor());
  }
  procedimento.param(QStringLiteral("TIPO_PROCESSO"), TAnexoFC::TipoProcessoGravado(anexo.GetTipoProcesso()));
  IniciaTransacao();
  if (!ExecutaProcedure(procedimento)) return false;
  const int chave = procedimento.saida(QStringLiteral("FONTE_DK_OUT")).inteiro();
  const bool nova = procedimento.saida(QStringLiteral("NOVA")).inteiro() == 1;
  anexo.SetFonteDK(QString::number(chave));
  m_chaveAtual = chave;
  ConfirmaTransacao();
  return nova;
}

void TColecaoAnexo::IncrementaTotal() {
  if (m_total >= 0) ++m_total;
  m_noInicio = m_noFim = false;
}

void TColecaoAnexo::SalvaAnexo(TAnexoFC& anexo) {
  if (!m_declaracao) return;
  if (LocalizaAnexo(anexo)) {
    GravaFonte(anexo);
    return;
  }
  // Only a source stored for the first time starts with a zeroed summary: one the database
  // already held under the same number keeps its totals.
  if (!GravaFonte(anexo)) return;
  IncrementaTotal();
  anexo.GetResumo().Zera();
  m_declaracao->GetColecaoResumo().GravaResumo(anexo.GetResumo());
}

void TColecaoAnexo::SalvaProcesso(TAnexoFC& anexo) {
  if (!m_declaracao) return;
  // The working annex is a process before it takes the number, so the number is read as one.
  TAnexoFC trabalho(*m_declaracao, TAnexoFC::kProcesso);
  trabalho.GetContribuinte().SetTipo(kNiProcesso);
  anexo.SetTipoAnexo(TAnexoFC::kProcesso);
  anexo.GetContribuinte().SetTipo(kNiProcesso);
  anexo.Atribui(trabalho);
  if (BuscaProcesso(trabalho)) {
    GravaFonte(anexo);
    return;
  }
  if (!GravaFonte(trabalho)) {
    anexo.SetFonteDK(trabalho.GetFonteDK());
    return;
  }
  IncrementaTotal();
  trabalho.GetResumo().Zera();
  m_declaracao->GetColecaoResumo().GravaResumo(trabalho.GetResumo());
  trabalho.Atribui(anexo);
}

void TColecaoAnexo::ExcluiAnexo(TAnexoFC& anexo) {
  if (!m_declaracao) return;
  CursorEspera espera(Qt::BusyCursor);
  ConfirmaTransacaoRetendo();
  m_consultaComando.param(QStringLiteral("FONTE_DK"), Chave(anexo.GetFonteDK()));
  if (!ExecutaConsulta(m_consultaComando)) return;
  AbreAnexos();
  ConfirmaTransacaoRetendo();
}

bool TColecaoAnexo::BuscaProcesso(TAnexoFC& anexo) {
  if (!m_declaracao) return false;
  // A process without court is looked up as stored, "0", never with the court of the last search.
  if (!Reabre(m_buscaProcesso, {{"NR_PF_PJ_I", anexo.GetContribuinte().GetBase()},
                                {"TIPO_PROCESSO_I", TAnexoFC::TipoProcessoGravado(anexo.GetTipoProcesso())}}))
    return false;
  FechaAoSair fecha(m_buscaProcesso);
  if (m_buscaProcesso.eof()) return false;
  anexo.SetFonteDK(QString::number(m_buscaProcesso.campo(QStringLiteral("FONTE_DK")).inteiro()));
  anexo.SetPosicao(m_buscaProcesso.campo(QStringLiteral("POSICAO")).inteiro());
  CarregaAdvogado(anexo, m_buscaProcesso.campo(QStringLiteral("NR_ADVOGADO")).texto(),
                  m_buscaProcesso.campo(QStringLiteral("NM_ADVOGADO")).texto());
  CarregaResumo(anexo);
  return true;
}

void TColecaoAnexo::NavegaProcesso(TAnexoFC& anexo, const QString& direcao) {
  if (!m_declaracao || !Navega(m_navegaProcesso, anexo, direcao)) return;
  FechaAoSair fecha(m_navegaProcesso);
  anexo.GetContribuinte().SetNiComErro(m_navegaProcesso.campo(QStringLiteral("NR_PF_PJ")).texto());
  // A process stored without court shows none, not the court of the process shown before.
  anexo.SetTipoProcesso(TAnexoFC::TipoProcessoLido(m_navegaProcesso.campo(QStringLiteral("TIPO_PROCESSO")).texto()));
  anexo.SetFonteDK(QString::number(m_navegaProcesso.campo(QStringLiteral("FONTE_DK")).inteiro()));
  CarregaAdvogado(anexo, m_navegaProcesso.campo(QStringLiteral("NR_ADVOGADO")).texto(),
                  m_navegaProcesso.campo(QStringLiteral("NM_ADVOGADO")).texto());
  CarregaResumo(anexo);
}

void TColecaoAnexo::NavegaFundo(TAnexoFC& anexo, const QString& direcao) {
  if (!m_declaracao || !Navega(m_navegaFundo, anexo, direcao)) return;
  FechaAoSair fecha(m_navegaFundo);
  anexo.SetFonteDK(QString::number(m_navegaFundo.campo(QStringLiteral("FONTE_DK")).inteiro()));
  anexo.GetContribuinte().SetNiPelaBaseComErro(m_navegaFundo.campo(QStringLiteral("NR_PF_PJ")).texto());
  anexo.GetContribuinte().GetNome().SetNomeComErro(m_navegaFundo.campo(QStringLiteral("NM_NM_EMPR")).texto());
  CarregaResumo(anexo);
}

int TColecaoAnexo::PosicaoFundo(TAnexoFC& anexo) {
  if (!m_declaracao) return 0;
  if (!Reabre(m_posicaoFundo, {{"P_FONTE_DK", Chave(anexo.GetFonteDK())}})) return 0;
  FechaAoSair fecha(m_posicaoFundo);
  if (m_posicaoFundo.eof()) return 0;
  return m_posicaoFundo.campo(QStringLiteral("POSICAO")).inteiro() + 1;
}

void TColecaoAnexo::CarregaProcessoVerificacao(TAnexoFC& anexo, bd::Consulta& dados) {
  anexo.SetFonteDK(QString::number(dados.campo(QStringLiteral("E_FONTE_DK")).inteiro()));
  TDeclaranteAnexo& identificacao = anexo.GetIdentificacao();
  identificacao.SetTipo(kNiProcesso);
  identificacao.SetNiPelaBaseComErro(dados.campo(QStringLiteral("NR_PF_PJ")).texto().left(20));
  identificacao.SetTipoIdentificacao(int16_t(dados.campo(QStringLiteral("IN_TIPO")).inteiro()));
  CarregaAdvogado(anexo, dados.campo(QStringLiteral("NR_ADVOGADO")).texto().left(20),
                  dados.campo(QStringLiteral("NM_ADVOGADO")).texto());
  anexo.SetTipoProcesso(TAnexoFC::TipoProcessoLido(dados.campo(QStringLiteral("TIPO_PROCESSO")).texto()));
}

void TColecaoAnexo::PesquisarFundos(int opcaoCnpj, int opcaoNome, const QString& filtroCnpj,
                                    const QString& filtroNome, const ResultadoFundo& resultado) {
  if (!AbrePesquisaFundos(opcaoCnpj, opcaoNome, filtroCnpj, filtroNome)) return;
  FechaAoSair fecha(m_pesquisarFundos);
  while (LeFundos(1024, resultado) > 0) {
  }
}

void TColecaoAnexo::PesquisarProcessos(int opcaoNumero, int opcaoNiAdvogado, int opcaoNomeAdvogado,
                                       const QString& filtroNumero, int filtroTipoProcesso,
                                       const QString& filtroNiAdvogado, const QString& filtroNomeAdvogado,
                                       const ResultadoProcesso& resultado) {
  if (!AbrePesquisaProcessos(opcaoNumero, opcaoNiAdvogado, opcaoNomeAdvogado, filtroNumero, filtroTipoProcesso,
                             filtroNiAdvogado, filtroNomeAdvogado))
    return;
  FechaAoSair fecha(m_pesquisarProcessos);
  while (LeProcessos(1024, resultado) > 0) {
  }
}

bool TColecaoAnexo::AbrePesquisaFundos(int opcaoCnpj, int opcaoNome, const QString& filtroCnpj,
                                       const QString& filtroNome) {
  FechaPesquisa();
  if (!m_declaracao) return false;
  if (!Reabre(m_pesquisarFundos, {{"OPCAO_FILTRO_CNPJ_I", opcaoCnpj},
                                  {"OPCAO_FILTRO_NOME_I", opcaoNome},
                                  {"FILTRO_CNPJ_I", filtroCnpj},
                                  {"FILTRO_NOME_I", filtroNome}}))
    return false;
  m_pesquisa = &m_pesquisarFundos;
  return true;
}

bool TColecaoAnexo::AbrePesquisaProcessos(int opcaoNumero, int opcaoNiAdvogado, int opcaoNomeAdvogado,
                                          const QString& filtroNumero, int filtroTipoProcesso,
                                          const QString& filtroNiAdvogado, const QString& filtroNomeAdvogado) {
  FechaPesquisa();
  if (!m_declaracao) return false;
  if (!Reabre(m_pesquisarProcessos, {{"OPCAO_FILTRO_NPROCESSO_I", opcaoNumero},
                                     {"OPCAO_FILTRO_CPFCNPJ_ADV_I", opcaoNiAdvogado},
                                     {"OPCAO_FILTRO_NOME_ADV_I", opcaoNomeAdvogado},
                                     {"FILTRO_NPROCESSO_I", filtroNumero},
                                     {"FILTRO_TIPO_PROCESSO_I", filtroTipoProcesso},
                                     {"FILTRO_CPFCNPJ_ADV_I", filtroNiAdvogado},
                                     {"FILTRO_NOME_ADV_I", filtroNomeAdvogado}}))
    return false;
  m_pesquisa = &m_pesquisarProcessos;
  return true;
}

int TColecaoAnexo::LeFundos(int maximo, const ResultadoFundo& resultado) {
  if (m_pesquisa != &m_pesquisarFundos) return 0;
  bd::Consulta& q = m_pesquisarFundos;
  int lidas = 0;
  for (; lidas < maximo && q.aberta() && !q.eof(); q.proximo(), ++lidas)
    resultado(q.campo(QStringLiteral("FONTE_DK")).inteiro(), q.campo(QStringLiteral("NR_PF_PJ")).texto(),
              q.campo(QStringLiteral("NM_NM_EMPR")).texto());
  if (PesquisaTerminada()) FechaPesquisa();
  return lidas;
}

int TColecaoAnexo::LeProcessos(int maximo, const ResultadoProcesso& resultado) {
  if (m_pesquisa != &m_pesquisarProcessos) return 0;
  bd::Consulta& q = m_pesquisarProcessos;
  int lidas = 0;
  for (; lidas < maximo && q.aberta() && !q.eof(); q.proximo(), ++lidas)
    resultado(q.campo(QStringLiteral("FONTE_DK")).inteiro(), q.campo(QStringLiteral("NR_PROCESSO")).texto(),
              q.campo(QStringLiteral("TIPO_PROCESSO")).texto().trimmed().toInt(),
              q.campo(QStringLiteral("IN_PF_PJ_ADVOGADO")).texto(), q.campo(QStringLiteral("NR_ADVOGADO")).texto(),
              q.campo(QStringLiteral("NM_ADVOGADO")).texto());
  if (PesquisaTerminada()) FechaPesquisa();
  return lidas;
}

bool TColecaoAnexo::PesquisaTerminada() const { return !m_pesquisa || !m_pesquisa->aberta() || m_pesquisa->eof(); }

void TColecaoAnexo::FechaPesquisa() {
  if (m_pesquisa) m_pesquisa->fecha();
  m_pesquisa = nullptr;
}

int TColecaoAnexo::ContaAnexos(int tipo) {
  if (!m_declaracao) return 0;
  const auto q = tipo == TAnexoFC::kFundo || tipo == TAnexoFC::kProcesso
                     ? AbreNova(QStringLiteral("Select count(*) As Total from FONTES\nwhere FONTE_DK > 1\n"
                                               "and IN_TIPO = :IN_TIPO"),
                                {{"IN_TIPO", tipo}})
                     : AbreNova(QStringLiteral("Select count(*) As Total from TB_REMESSA"), {});
  return q ? q->campo(QStringLiteral("Total")).inteiro() : 0;
}

int TColecaoAnexo::ContaProcessos() {
  if (!m_declaracao) return 0;
  const auto q = AbreNova(QStringLiteral("SELECT COUNT(*) As Total FROM FONTES\nWHERE (IN_TIPO = 1)"), {});
  return q ? q->campo(QStringLiteral("Total")).inteiro() : 0;
}

int TColecaoAnexo::TipoDaFonte(int fonteDK) {
  if (!m_declaracao) return 0;
  const auto q = AbreNova(QStringLiteral("Select IN_TIPO from FONTES\nwhere FONTE_DK = :FONTE_DK"), {{"FONTE_DK", fonteDK}});
  return q && !q->eof() ? q->campo(QStringLiteral("IN_TIPO")).inteiro() : 0;
}

bool TColecaoAnexo::RaizEmOutroTipo(TAnexoFC& anexo) {
  if (!m_declaracao) return false;
  TDeclaranteAnexo& identificacao = anexo.GetIdentificacao();
  const int outro = identificacao.GetTipoIdentificacao() == 0 ? 1 : 0;
  return ExisteAnexoComRaiz(QString::number(identificacao.GetTipo()), identificacao.GetRaiz(), outro);
}

bool TColecaoAnexo::AdvogadoEhFundo(TAnexoFC& anexo) {
  if (!m_declaracao) return false;
  const TAdvogadoAnexo& advogado = anexo.GetAdvogado();
  if (advogado.GetTipo() != kNiCnpj) return false;
  return ExisteAnexoComRaiz(QStringLiteral("2"), advogado.GetRaiz(), int(TAnexoFC::kFundo));
}

bool TColecaoAnexo::ExisteAnexoComRaiz(const QString& inPfPj, const QString& raiz, int tipo) {
  // STARTING WITH takes the root as text, never as a pattern, and walks the kind and number index.
  const auto q = AbreNova(QStringLiteral("SELECT FIRST 1 FONTE_DK FROM FONTES\n"
                                         "WHERE IN_TIPO = :IN_TIPO AND NR_PF_PJ STARTING WITH :RAIZ\n"
                                         "AND IN_PF_PJ STARTING WITH :IN_PF_PJ AND FONTE_DK > 1"),
                          {{"IN_TIPO", tipo}, {"RAIZ", raiz}, {"IN_PF_PJ", inPfPj}});
  return q && !q->eof();
}

QString TColecaoAnexo::FundoMesmaRaiz(const QString& cnpj) {
  if (!m_declaracao) return kSemErro;
  // The root is a parameter matched as a prefix: no character of it is a pattern.
  const auto q = AbreNova(QStringLiteral("SELECT COUNT(ft.nr_pf_pj) REGS, ft.nm_nm_empr NOME FROM fontes ft\n"
                                         "WHERE ft.fonte_dk <> 1\n"
                                         "AND ft.in_tipo = 0\n"
                                         "AND ft.nr_pf_pj STARTING WITH :RAIZ\n"
                                         "group by ft.nm_nm_empr"),
                          {{"RAIZ", cnpj.left(8)}});
  if (!q || q->eof() || q->campo(QStringLiteral("REGS")).inteiro() < 1) return kSemErro;
  return q->campo(QStringLiteral("NOME")).texto();
}

bool TColecaoAnexo::EscritorioComRaiz(const QString& raiz) {
  if (!m_declaracao) return false;
  const auto q = AbreNova(QStringLiteral("SELECT FIRST 1 FONTE_DK FROM FONTES WHERE IN_PF_PJ_ADVOGADO = '2' AND "
                                         "SUBSTRING(NR_ADVOGADO FROM 1 FOR 8) = :NR_ADVOGADO"),
                          {{"NR_ADVOGADO", raiz.left(8)}});
  return q && !q->eof();
}

bool TColecaoAnexo::ExisteOperadora(const QString& cnpj) {
  if (!m_declaracao) return false;
  bd::Procedimento procedimento(*GetTransacao(), QStringLiteral("CONSULT_PS_OPERADORA_JA_EXISTE"));
  procedimento.param(QStringLiteral("TPO_NR_PF_PJ"), cnpj);
  procedimento.param(QStringLiteral("TPO_IN_PF_PJ"), QStringLiteral("2"));
  if (!ExecutaProcedure(procedimento)) return false;
  return procedimento.saida(QStringLiteral("TPO_ID_R")).inteiro() != 0;
}

QString TColecaoAnexo::BuscaNomeBeneficiario(int tipo, const QString& numero) {
  if (!m_declaracao) return {};
  const auto q = AbreNova(
      QStringLiteral(
          "SELECT B.NM_NM_EMPR FROM BENEFICIARIOS B WHERE B.IN_PF_PJ = :IN_PF_PJ_E AND B.NR_PF_PJ = :NR_PF_PJ_E"),
      {{"IN_PF_PJ_E", tipo == kNiCpf ? QStringLiteral("1") : QStringLiteral("2")}, {"NR_PF_PJ_E", numero}});
  return q && !q->eof() ? q->campo(QStringLiteral("NM_NM_EMPR")).texto() : QString();
}

QString TColecaoAnexo::BuscaNomeAdvogado(int tipo, const QString& numero) {
  if (!m_declaracao) return {};
  const auto q = AbreNova(
      QStringLiteral("SELECT F.NM_ADVOGADO FROM FONTES F WHERE F.IN_PF_PJ_ADVOGADO = :IN_PF_PJ_ADVOGADO AND "
                     "F.NR_ADVOGADO = :NR_ADVOGADO"),
      {{"IN_PF_PJ_ADVOGADO", tipo == kNiCpf ? QStringLiteral("1") : QStringLiteral("2")}, {"NR_ADVOGADO", numero}});
  return q && !q->eof() ? q->campo(QStringLiteral("NM_ADVOGADO")).texto() : QString();
}
