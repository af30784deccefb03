#include "controles/TLogicaAnexos.h"

#include "nucleo/CaixaMensagem.h"
#include "nucleo/Cnpj.h"
#include "nucleo/EAnexoInvalido.h"
#include "nucleo/EColecaoError.h"
#include "nucleo/Erros.h"
#include "nucleo/TAdvogadoAnexo.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TColecaoCodigoRetencao.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TDeclaranteAnexo.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace {

constexpr int kConfirmaExclusaoFundo = 14;
constexpr int kConfirmaExclusaoProcesso = 168;
constexpr int kConfirmaExclusaoAdvogado = 126;
constexpr int kCnpjInvalido = 34;
constexpr int kCnpjInvalidoMostrado = 36;
constexpr int kCnpjVazio = 41;
constexpr int kCnpjVazioMostrado = 39;
constexpr int kRaizDeFundo = 134;
constexpr int kRaizDeEscritorio = 135;
constexpr int kSoPessoaJuridica = 185;
constexpr int kAdvogadoEhFundo = 170;
constexpr int kCnpjDeOperadora = 268;
constexpr int kTamanhoCpf = 11;
constexpr int kNomeEmpresarialInvalido = 50;
constexpr int kProcessoObrigatorio = 40;
constexpr int kJusticaInvalida = 180;
const QString kSemErro = QStringLiteral("SemErro");

int pergunta(int codigo, const QString& argumento) {
  return TErro::MostraTexto(TErro::FormataMensagem(codigo, argumento), TipoMensagem::Confirmacao);
}

}  // namespace

TLogicaAnexos::TLogicaAnexos(TTolv& declaracao, Modo modo) : m_declaracao(&declaracao), m_modo(modo) {
  const int16_t tipo = EhProcesso() ? TAnexoFC::kProcesso : TAnexoFC::kFundo;
  m_colecao = std::make_unique<TColecaoAnexo>(declaracao);
  m_colecao->SetTipoAnexo(tipo);
  for (auto* anexo : {&m_anexo, &m_dono}) {
    *anexo = std::make_unique<TAnexoFC>(declaracao, tipo);
    (*anexo)->SetErros(declaracao.GetErros());
    if (EhProcesso()) (*anexo)->GetContribuinte().SetTipo(kNiProcesso);
  }
}

TLogicaAnexos::~TLogicaAnexos() = default;

TLogicaAnexos::Falta TLogicaAnexos::FaltaNaIdentificacao(Modo modo, const QString& numero, const QString& nome,
                                                          int justica) {
  if (modo == Modo::Processo) {
    if (numero.trimmed().isEmpty()) return {kProcessoObrigatorio, Campo::Numero};
    if (justica < 0) return {kJusticaInvalida, Campo::Justica};
    return {};
  }
  if (numero.trimmed().isEmpty()) return {kCnpjVazioMostrado, Campo::Numero};
  if (nome.trimmed().isEmpty()) return {kNomeEmpresarialInvalido, Campo::Nome};
  return {};
}

bool TLogicaAnexos::AnexoNovo() const { return m_anexo->GetFonteDK().isEmpty(); }

void TLogicaAnexos::Inicia() {
  RecontaAnexos();
  m_posicao = m_quantidade + 1;
}

void TLogicaAnexos::RecontaAnexos() {
  m_quantidade = EhProcesso() ? m_colecao->ContaProcessos() : m_colecao->ContaAnexos(TAnexoFC::kFundo);
}

QString TLogicaAnexos::Contador() const {
  if (AnexoNovo()) return QStringLiteral("%1/%1").arg(m_quantidade + 1);
  return QStringLiteral("%1/%2").arg(m_posicao).arg(m_quantidade);
}

void TLogicaAnexos::TrocaDono() { trocaDono(false); }

void TLogicaAnexos::trocaDono(bool forcado) {
  if (!forcado && !m_anexo->GetFonteDK().isEmpty() && m_anexo->GetFonteDK() == m_dono->GetFonteDK()) return;
  if (m_trocouDono) m_trocouDono(true);
  m_dono->Limpar();
  m_anexo->Atribui(*m_dono);
  m_dono->SetTipoProcesso(m_anexo->GetTipoProcesso());
  if (m_linhas) m_linhas->CarregaItens();
  if (EhProcesso() && m_linhas) FixaCodigoProcesso(CodigoDaJustica(m_anexo->GetTipoProcesso()));
  if (m_trocouDono) m_trocouDono(false);
}

// The place among the processes comes with the lookup by number and court.
void TLogicaAnexos::buscaPosicaoProcesso() {
  TAnexoFC posicao(*m_declaracao, TAnexoFC::kProcesso);
  posicao.GetContribuinte().SetTipo(kNiProcesso);
  m_anexo->Atribui(posicao);
  posicao.SetTipoProcesso(m_anexo->GetTipoProcesso());
  if (m_colecao->BuscaProcesso(posicao)) m_anexo->SetPosicao(posicao.GetPosicao());
}

void TLogicaAnexos::carregaPosicao() {
  if (EhProcesso())
    m_posicao = m_anexo->GetPosicao() + 1;
  else
    m_posicao = m_colecao->PosicaoFundo(*m_anexo);
}

bool TLogicaAnexos::Inclui() {
  if (m_linhas) {
    const int r = m_linhas->SalvaTolvItem();
    if (r != 0) {
      m_linhas->Reporta(r);
      return false;
    }
  }
  m_anexo->LimpaAnexo();
  if (EhProcesso()) m_anexo->GetContribuinte().SetTipo(kNiProcesso);
  m_anexo->SetTipoProcesso(TAnexoFC::kSemJustica);
  trocaDono(true);
  m_posicao = m_quantidade + 1;
  return true;
}

void TLogicaAnexos::Move(const QString& direcao) {
  if (m_linhas && !m_linhas->DeixaLinha()) return;
  const QString antes = m_anexo->GetFonteDK();
  TAnexoFC trabalho(*m_declaracao, m_anexo->GetTipoAnexo());
  if (EhProcesso()) trabalho.GetContribuinte().SetTipo(kNiProcesso);
  trabalho.SetFonteDK(antes);
  if (EhProcesso())
    m_colecao->NavegaProcesso(trabalho, direcao);
  else
    m_colecao->NavegaFundo(trabalho, direcao);
  // Nothing in that direction: the annex stays.
  if (trabalho.GetFonteDK().isEmpty() || (trabalho.GetFonteDK() == antes && !antes.isEmpty())) return;
  // Browsing changes no count: the one kept since the last store or deletion holds.
  if (direcao == u"PRI")
    m_posicao = 1;
  else if (direcao == u"ULT")
    m_posicao = m_quantidade;
  else if (antes.isEmpty())
    m_posicao = m_quantidade;
  else
    m_posicao += direcao == u"NEXT" ? 1 : -1;
  m_anexo->LimpaAnexo();
  trabalho.Atribui(*m_anexo);
  m_anexo->SetTipoProcesso(trabalho.GetTipoProcesso());
  m_anexo->GetIdentificacao().SetModificado(false);
  TrocaDono();
}

bool TLogicaAnexos::Posiciona(const QString& chave) {
  if (chave.trimmed().isEmpty()) return false;
  if (m_linhas && !m_linhas->DeixaLinha()) return false;
  TAnexoFC trabalho(*m_declaracao, m_anexo->GetTipoAnexo());
  if (EhProcesso()) trabalho.GetContribuinte().SetTipo(kNiProcesso);
  trabalho.SetFonteDK(chave.trimmed());
  // Straight by its key: a hit among a hundred thousand processes must not read them all.
  if (!m_colecao->BuscaPorChave(trabalho) ||
      trabalho.GetIdentificacao().GetTipoIdentificacao() != m_anexo->GetTipoAnexo())
    return false;
  m_anexo->LimpaAnexo();
  if (EhProcesso()) m_anexo->GetContribuinte().SetTipo(kNiProcesso);
  trabalho.Atribui(*m_anexo);
  m_anexo->SetTipoProcesso(trabalho.GetTipoProcesso());
  m_anexo->GetIdentificacao().SetModificado(false);
  if (EhProcesso()) buscaPosicaoProcesso();
  carregaPosicao();
  TrocaDono();
  return true;
}

bool TLogicaAnexos::Exclui() {
  if (AnexoNovo()) return false;
  TContribuinte& id = m_anexo->GetContribuinte();
  // A process deletion is confirmed whatever the calendar year: it takes all the lines with it.
  const int resposta =
      EhProcesso()
          ? pergunta(kConfirmaExclusaoProcesso,
                     id.GetNome().GetValor().trimmed() + QStringLiteral(" ( ") + id.GetNiFormatado() + QStringLiteral(" )"))
          : pergunta(kConfirmaExclusaoFundo, id.GetNiFormatado() + QStringLiteral(" - ") + id.GetNome().GetValor());
  if (resposta != ResultadoMensagem::Sim) return false;
  if (m_linhas) m_linhas->Desfaz();
  if (m_trocouDono) m_trocouDono(true);
  // The owner's lines are the ones going: the collection over them goes first.
  m_dono->Limpar();
  m_colecao->ExcluiAnexo(*m_anexo);
  m_anexo->LimpaAnexo();
  if (EhProcesso()) m_anexo->GetContribuinte().SetTipo(kNiProcesso);
  m_anexo->SetTipoProcesso(TAnexoFC::kSemJustica);
  RecontaAnexos();
  m_declaracao->CarregaResumos();
  if (m_quantidade == 0) {
    m_posicao = 1;
    trocaDono(true);
  } else {
    Move(QStringLiteral("ULT"));
    if (AnexoNovo()) trocaDono(true);
  }
  return true;
}

void TLogicaAnexos::MostraErroCnpj(const TErro& erro) {
  if (erro.Codigo() == kCnpjVazio)
    TErro::MostraTexto(TErro::TextoMensagem(kCnpjVazioMostrado), TipoMensagem::Erro);
  else if (erro.Codigo() == kCnpjInvalido)
    TErro::MostraTexto(TErro::TextoMensagem(kCnpjInvalidoMostrado), TipoMensagem::Erro);
  else
    erro.Mostra();
}

void TLogicaAnexos::DefineCnpjFundo(const QString& texto) {
  TDeclaranteAnexo& id = m_anexo->GetIdentificacao();
  id.SetNi(texto);
  const QString digitos = id.GetNiDigitos();
  if (m_declaracao->GetInAdmFC() != 0 && !digitos.isEmpty() && m_colecao->ExisteOperadora(id.GetBase()))
    ExibeMensagem(TErro::FormataMensagem(kCnpjDeOperadora, id.GetNiFormatado()), TipoMensagem::Erro);
  const bool tamanhoCpf = digitos.size() == kTamanhoCpf;
  if (m_declaracao->GetAnoApos2005()) {
    if (TCnpj::ValidaCnpj(digitos, true, false) != 0)
      throw EAnexoInvalido::CreateCompleto(kCnpjInvalido, digitos, 1, TErro::kBotaoOk, 0);
    if (m_colecao->EscritorioComRaiz(id.GetRaiz()))
      throw EAnexoInvalido::CreateCompleto(kRaizDeEscritorio, id.GetNiFormatado().left(10), 1, TErro::kBotaoOk, 0);
  } else if (!tamanhoCpf && m_colecao->RaizEmOutroTipo(*m_anexo)) {
    throw EAnexoInvalido::CreateCompleto(id.GetTipoIdentificacao() == 1 ? kRaizDeFundo : kRaizDeEscritorio,
                                         id.GetNiFormatado().left(10), 1, TErro::kBotaoOk, 0);
  }
  if (tamanhoCpf && id.GetTipoIdentificacao() == 0)
    throw EAnexoInvalido::CreateCompleto(kSoPessoaJuridica, id.GetNiFormatado(), 1, TErro::kBotaoOk, 0);
  if (m_colecao->FundoMesmaRaiz(digitos) != kSemErro) {
    m_colecao->BuscaAnexo(*m_anexo);
    carregaPosicao();
  }
}

void TLogicaAnexos::DefineNomeFundo(const QString& nome) {
  TContribuinte& id = m_anexo->GetContribuinte();
  if (id.GetNome().GetValor() != nome) id.GetNome().SetValor(nome);
  const int r = id.ValidaContribuinte();
  if (r != 0) throw EContribuinteInvalido::CreateCompleto(uint16_t(r), {}, 1, TErro::kBotaoOk, 0);
}

bool TLogicaAnexos::SalvaIdentificacao() {
  TContribuinte& id = m_anexo->GetContribuinte();
  if (id.ValidaContribuinte() != 0) return false;
  if (EhProcesso() && m_anexo->GetTipoProcesso() == TAnexoFC::kSemJustica) return false;
  try {
    if (id.GetModificado() || AnexoNovo()) {
      if (EhProcesso())
        m_colecao->SalvaProcesso(*m_anexo);
      else
        m_colecao->SalvaAnexo(*m_anexo);
      id.SetModificado(false);
      RecontaAnexos();
      if (EhProcesso()) buscaPosicaoProcesso();
      carregaPosicao();
    }
    TrocaDono();
  } catch (const EColecaoError& e) {
    e.Mostra();
    return false;
  }
  return !AnexoNovo();
}

bool TLogicaAnexos::DefineNumeroProcesso(const QString& texto, int justica) {
  m_anexo->LimpaAnexo();
  TDeclaranteAnexo& id = m_anexo->GetIdentificacao();
  id.SetTipo(kNiProcesso);
  id.SetNi(texto);
  m_anexo->SetTipoProcesso(justica >= 0 && justica <= 2 ? uint8_t(justica) : TAnexoFC::kSemJustica);
  if (justica >= 0 && justica <= 2) FixaCodigoProcesso(CodigoDaJustica(justica));
  if (!m_declaracao->GetAnoApos2005() && id.GetNiDigitos().size() != kTamanhoCpf && m_colecao->RaizEmOutroTipo(*m_anexo))
    throw EAnexoInvalido::CreateCompleto(id.GetTipoIdentificacao() == 0 ? kRaizDeEscritorio : kRaizDeFundo,
                                         id.GetNiFormatado().left(10), 1, TErro::kBotaoOk, 0);
  if (id.GetNiDigitos().isEmpty() || m_anexo->GetTipoProcesso() == TAnexoFC::kSemJustica) return false;
  if (!m_colecao->BuscaProcesso(*m_anexo)) return false;
  id.SetModificado(false);
  m_colecao->BuscaAnexo(*m_anexo);
  carregaPosicao();
  RecontaAnexos();
  TrocaDono();
  return true;
}

QString TLogicaAnexos::CodigoDaJustica(int justica) {
  switch (justica) {
    case 0:
      return QStringLiteral("5928");
    case 1:
      return QStringLiteral("5936");
    case 2:
      return QStringLiteral("1895");
    default:
      return {};
  }
}

void TLogicaAnexos::FixaCodigoProcesso(const QString& codigo) {
  int justica = TAnexoFC::kSemJustica;
  for (int j = 0; j <= 2; ++j)
    if (CodigoDaJustica(j) == codigo) justica = j;
  m_anexo->SetTipoProcesso(uint8_t(justica));
  m_dono->SetTipoProcesso(uint8_t(justica));
  if (!m_linhas) return;
  TTolvItem& linha = m_linhas->Linha();
  TCodigoRetencao& atual = linha.GetCodigoRetencao();
  m_linhas->SetTextoCodigo(codigo);
  if (codigo.isEmpty() || atual.GetCodigo().trimmed() == codigo) return;
  // A stored line keeps its code until the court change rewrites it; a line being keyed takes
  // the court's code at once.
  if (!m_linhas->LinhaNova()) return;
  atual.SetCodigo(codigo);
  atual.SetAno(m_declaracao->GetAnoCalendario());
  atual.SetAnexo(QStringLiteral("2"));
  m_dono->GetColecaoCodigoRetencao().BuscaCodigo(atual);
}

TLogicaAnexos::ResultadoJustica TLogicaAnexos::MudaJustica(int justica, int naEntrada, const Progresso& progresso) {
  TDeclaranteAnexo& id = m_anexo->GetIdentificacao();
  if (id.GetNiDigitos().isEmpty()) return ResultadoJustica::SemNumero;
  const QString codigo = CodigoDaJustica(justica);
  if (m_anexo->GetTipoProcesso() == TAnexoFC::kSemJustica || AnexoNovo()) {
    FixaCodigoProcesso(codigo);
    return ResultadoJustica::Fixada;
  }
  if (codigo.isEmpty()) {
    FixaCodigoProcesso(codigo);
    return ResultadoJustica::Fixada;
  }
  const uint8_t anterior = m_anexo->GetTipoProcesso();
  TAnexoFC outro(*m_declaracao, TAnexoFC::kProcesso);
  outro.GetContribuinte().SetTipo(kNiProcesso);
  m_anexo->Atribui(outro);
  outro.SetTipoProcesso(uint8_t(justica));
  outro.SetFonteDK({});
  if (m_colecao->BuscaProcesso(outro)) return Posiciona(outro.GetFonteDK()) ? ResultadoJustica::OutroProcesso
                                                                             : ResultadoJustica::Recusada;
  if (justica == naEntrada || justica == anterior) return ResultadoJustica::Fixada;
  if (m_linhas && !m_linhas->DeixaLinha()) return ResultadoJustica::Recusada;
  // The owner's lines are read anew after the rewrite; nobody holds them meanwhile.
  if (m_trocouDono) m_trocouDono(true);
  m_dono->LiberaItens();
  bool regravou = false;
  try {
    regravou = m_dono->GetItens().RegravaCodigo(codigo, progresso);
  } catch (const TErro& e) {
    e.Mostra();
  }
  if (regravou) {
    m_anexo->SetTipoProcesso(uint8_t(justica));
    m_colecao->SalvaProcesso(*m_anexo);
    m_anexo->GetIdentificacao().SetModificado(false);
  } else {
    m_anexo->SetTipoProcesso(anterior);
  }
  m_dono->SetTipoProcesso(m_anexo->GetTipoProcesso());
  if (m_linhas) m_linhas->CarregaItens();
  FixaCodigoProcesso(CodigoDaJustica(m_anexo->GetTipoProcesso()));
  if (m_trocouDono) m_trocouDono(false);
  return regravou ? ResultadoJustica::Regravada : ResultadoJustica::Recusada;
}

void TLogicaAnexos::DefineAdvogado(const QString& texto) {
  TAdvogadoAnexo& advogado = m_anexo->GetAdvogado();
  try {
    advogado.ValidaAdvogado(texto, *m_declaracao);
    if (m_anexo->GetIdentificacao().GetNiDigitos().size() != kTamanhoCpf && m_colecao->AdvogadoEhFundo(*m_anexo))
      throw EAnexoInvalido::CreateCompleto(kAdvogadoEhFundo, advogado.GetNiFormatado(), 1, TErro::kBotaoOk, 0);
  } catch (const TErro&) {
    advogado.LimpaAdvogado();
    throw;
  }
}

QString TLogicaAnexos::NomeConhecidoAdvogado() {
  const TAdvogadoAnexo& advogado = m_anexo->GetAdvogado();
  if (advogado.GetNiDigitos().isEmpty()) return {};
  QString nome = m_colecao->BuscaNomeBeneficiario(advogado.GetTipo(), advogado.GetBase());
  if (nome.isEmpty()) nome = m_colecao->BuscaNomeAdvogado(advogado.GetTipo(), advogado.GetBase());
  return nome;
}

void TLogicaAnexos::DefineNomeAdvogado(const QString& nome) {
  TAdvogadoAnexo& advogado = m_anexo->GetAdvogado();
  if (advogado.GetNome().GetValor() != nome) advogado.GetNome().SetValor(nome);
  if (advogado.ValidaContribuinte() != 0 || !advogado.GetModificado() || AnexoNovo()) return;
  m_colecao->SalvaProcesso(*m_anexo);
  advogado.SetModificado(false);
}

bool TLogicaAnexos::ExcluiAdvogado() {
  TAdvogadoAnexo& advogado = m_anexo->GetAdvogado();
  if (advogado.GetNiDigitos().isEmpty()) return false;
  if (pergunta(kConfirmaExclusaoAdvogado, advogado.GetNiFormatado() + QStringLiteral(" - ") +
                                              advogado.GetNome().GetValor()) != ResultadoMensagem::Sim)
    return false;
  advogado.LimpaAdvogado();
  if (!AnexoNovo()) m_colecao->SalvaAnexo(*m_anexo);
  return true;
}
