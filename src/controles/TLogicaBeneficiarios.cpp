#include "controles/TLogicaBeneficiarios.h"

#include <algorithm>
#include <initializer_list>

#include "nucleo/CaixaMensagem.h"
#include "nucleo/EColecaoError.h"
#include "nucleo/Erros.h"
#include "nucleo/Ni.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoCodigoRetencao.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvAnexo.h"
#include "nucleo/TTolvItem.h"
#include "plataforma/bd/Consulta.h"

namespace {

constexpr int kDeclaranteBeneficiario = 1;
constexpr int kCodigoDeclaranteBeneficiario = 2;
constexpr int kConfirmaExclusao = 13;
constexpr int kNiInvalido = 34;
constexpr int kCnpjInvalido = 36;
constexpr int kDuplicada = 48;
constexpr int kNaturezaNaoPrevista = 69;
constexpr int kAlgarismosNoNome = 80;
constexpr int kVigencia8045 = 117;
constexpr int kVigenciaEncerrada = 118;
constexpr int kVigencia2003Fevereiro = 120;
constexpr int kProprioBeneficiario = 179;
constexpr int kNomeNaoInformado = 191;
constexpr int kCodigoObrigatorio = 231;
constexpr int kAlteraCodigo = 242;
constexpr int kAlteraCodigoPerda = 243;
constexpr int kAvisoAno = 289;
constexpr int kAjudaVigencia = 50600;
// A refusal already shown where it happened (a report date that is no date).
constexpr int kRecusaMostrada = -1;

// The codes whose withheld column holds amounts retained that are no income tax.
const QString kCodigosValorRetido[] = {
    QStringLiteral("3746"), QStringLiteral("3770"), QStringLiteral("4085"), QStringLiteral("4397"),
    QStringLiteral("4407"), QStringLiteral("4409"), QStringLiteral("5952"), QStringLiteral("5960"),
    QStringLiteral("5979"), QStringLiteral("5987"), QStringLiteral("6147"), QStringLiteral("6175"),
    QStringLiteral("6188"), QStringLiteral("6190"), QStringLiteral("6228"), QStringLiteral("6230"),
    QStringLiteral("6243"), QStringLiteral("6256"), QStringLiteral("8739"), QStringLiteral("8767"),
    QStringLiteral("8850"), QStringLiteral("8863"), QStringLiteral("9060")};

int mostra(int codigo, const QString& argumento, int tipo, int ajuda = 0, int botoes = TErro::kBotaoOk) {
  return TErro::MostraTexto(TErro::FormataMensagem(codigo, argumento), tipo, ajuda, botoes);
}

bool entre(int valor, std::initializer_list<int> valores) {
  return std::find(valores.begin(), valores.end(), valor) != valores.end();
}

bool serieComValor(const TSerieMensal& serie) {
  for (int mes = 1; mes <= TSerieMensal::kMeses; ++mes)
    if (!serie.Mes(mes).GetValorInterno().ehZero()) return true;
  return false;
}

// Any amount keyed into the line, in any series or annual value.
bool temValores(TTolvItem& l) {
  using R = TRendimentosTributaveis;
  for (int s = 0; s < R::kSeries; ++s)
    if (serieComValor(l.GetTributaveis().GetSerie(R::Serie(s))) ||
        serieComValor(l.GetSubJudice().GetSerie(R::Serie(s))))
      return true;
  for (int s = 0; s < TRendimentosIsentos::kSeries; ++s)
    if (serieComValor(l.GetIsentos().GetSerie(TRendimentosIsentos::Serie(s)))) return true;
  TRendimentosIsentos& i = l.GetIsentos();
  return serieComValor(l.GetSubJudice().GetDepositos()) || serieComValor(l.GetCompensacao().GetSerieAnoAtual()) ||
         serieComValor(l.GetCompensacao().GetSerieAnoAnterior()) || !i.GetAnualOutros().GetValorInterno().ehZero() ||
         !i.GetAnualLucrosDiv96().GetValorInterno().ehZero() || !i.GetAnualTitularSocio().GetValorInterno().ehZero();
}

}  // namespace

TLogicaBeneficiarios::Regras TLogicaBeneficiarios::CalculaRegras(const TCodigoRetencao& codigo,
                                                                 uint8_t tipoBeneficiario, uint8_t tipoDeclarante,
                                                                 int natureza, bool inCopa) {
  Regras r;
  const QString cod = codigo.GetCodigo().trimmed();
  const bool pessoa = tipoBeneficiario == kNiCpf;
  const bool empresa = tipoBeneficiario == kNiCnpj;
  const QString& pfPj = codigo.GetPfPjAmbos();
  r.limiteNome = pessoa ? 60 : 150;
  if (!(pfPj == u"J" || (pfPj == u"A" && empresa))) {
    r.deducao = codigo.GetDeducaoAnexo();
    r.deducaoPO = codigo.GetDeducaoPO();
    r.deducaoPP = codigo.GetDeducaoPP();
    r.deducaoDP = codigo.GetDeducaoDP();
    r.deducaoPA = codigo.GetDeducaoPA();
    r.multiLinha = r.deducaoPO || r.deducaoPP || r.deducaoDP || r.deducaoPA;
  }
  r.isentos = {codigo.GetIsentoRip65(), codigo.GetIsentoBolsa(), codigo.GetIsentoDac(),
               codigo.GetIsentoPdv(),   codigo.GetIsentoAp(),    codigo.GetIsentoCopa()};
  r.semIsentosMensais = std::none_of(r.isentos.begin(), r.isentos.end(), [](bool b) { return b; });
  r.isentos[5] = inCopa && cod == u"0588";
  r.isentos[1] = entre(natureza, {0, 1, 2, 8}) && (cod == u"0561" || cod == u"0588");
  r.decimoTerceiro = codigo.GetDecimoTerceiro() && pessoa;
  r.molestia = !cod.isEmpty() && tipoDeclarante == kNiCnpj && pessoa && codigo.GetIsentoMolestia();
  if (pessoa) {
    r.compensacaoExigibilidade = codigo.GetSubJudice();
    r.rendimentosIsentos = codigo.GetAdmiteIsentos();
  }
  r.anualLucrosTitular = codigo.GetIsentoLucroTitular();
  r.anualOutros = codigo.GetIsentoOutros();
  r.anuais = codigo.GetAdmiteIsentos() && (r.anualLucrosTitular || r.anualOutros);
  r.tituloRetido = TituloRetido(cod, false);
  return r;
}

QString TLogicaBeneficiarios::TituloRetido(const QString& codigo, bool duasLinhas) {
  const bool valor = std::find(std::begin(kCodigosValorRetido), std::end(kCodigosValorRetido), codigo.trimmed()) !=
                     std::end(kCodigosValorRetido);
  QString titulo = valor ? QStringLiteral("Valor Retido") : QStringLiteral("Imposto Retido");
  if (duasLinhas) titulo.replace(u' ', u'\r');
  return titulo;
}

TLogicaBeneficiarios::TLogicaBeneficiarios(TTolv& declaracao, TTolvAnexo& dono, Modo modo)
    : m_declaracao(&declaracao), m_dono(&dono), m_modo(modo) {}

TLogicaBeneficiarios::~TLogicaBeneficiarios() = default;

void TLogicaBeneficiarios::foca(Campo campo) {
  if (m_foca) m_foca(campo);
}

void TLogicaBeneficiarios::redesenha() {
  if (m_redesenha) m_redesenha();
}

QString TLogicaBeneficiarios::anexoCodigo() const {
  if (m_modo == Modo::Declarante) return QStringLiteral("0");
  return m_linha && m_linha->GetLinhaProcesso() == 1 ? QStringLiteral("2") : QStringLiteral("1");
}

void TLogicaBeneficiarios::zeraModificados() {
  m_linha->SetModificado(false);
  m_linha->GetBeneficiario().SetModificado(false);
}

void TLogicaBeneficiarios::CarregaItens() {
  m_itens = &m_dono->GetItens();
  m_itens->SetModoLista(false);
  m_linha = std::make_unique<TTolvItem>(*m_declaracao, *m_dono);
  m_linha->SetIndicadorAnexo(m_dono->EhAnexoFC() ? QStringLiteral("1") : QStringLiteral("0"));
  m_linha->SetErros(m_declaracao->GetErros());
  const int16_t processo = m_modo == Modo::Processo ? 1 : 0;
  m_linha->GetBeneficiario().SetTipoIdentificacao(processo);
  m_linha->SetLinhaProcesso(processo);
  m_linha->Limpa();
  zeraModificados();
  m_textoCodigo.clear();
  m_codigoAnterior.clear();
  m_posicao = m_total = 0;
  m_posicaoConhecida = false;
  m_avisoAno = false;
  AtualizaContador();
}

bool TLogicaBeneficiarios::LinhaNova() const { return !m_linha || m_linha->GetTolvItemDK().isEmpty(); }

bool TLogicaBeneficiarios::LinhaModificada() const {
  return m_linha && (m_linha->GetModificado() || m_linha->GetBeneficiario().GetModificado());
}

TLogicaBeneficiarios::Regras TLogicaBeneficiarios::RegrasAtuais() const {
  const TCodigoRetencao vazio;
  const bool temCodigo = m_linha && !m_linha->GetCodigoRetencao().GetCodigo().trimmed().isEmpty();
  return CalculaRegras(temCodigo ? m_linha->GetCodigoRetencao() : vazio,
                       m_linha ? m_linha->GetBeneficiario().GetTipo() : uint8_t(kNiIndefinido),
                       m_declaracao->GetContribuinte().GetTipo(), m_declaracao->GetCodigoNatureza(),
                       m_declaracao->GetInCopa() != 0);
}

const std::vector<TLogicaBeneficiarios::ItemCodigo>& TLogicaBeneficiarios::Codigos(uint8_t tipoBeneficiario) {
  const int processo = m_modo == Modo::Processo ? 1 : 0;
  const QString anexo = m_modo == Modo::Declarante ? QStringLiteral("0") : QStringLiteral("1");
  const ChaveLista chave{m_declaracao->GetAnoCalendario(), anexo, int(m_declaracao->GetCodigoNatureza()), processo};
  auto lista = m_listas.find(chave);
  if (lista == m_listas.end()) {
    std::vector<ItemCodigo> itens;
    if (!FalhaBancoIndice && TColecao::GetBancoIndice()) {
      bd::Consulta consulta;
      TColecaoCodigoRetencao::AbreCodigos(*m_declaracao, consulta, anexo, processo);
      ++m_leiturasCodigos;
      for (; consulta.aberta() && !consulta.eof(); consulta.proximo())
        itens.push_back({consulta.campo(QStringLiteral("COD_RETENCAO")).texto().trimmed(),
                         consulta.campo(QStringLiteral("RESUMO")).texto().trimmed(),
                         consulta.campo(QStringLiteral("PF_PJ_AMBOS")).texto().trimmed()});
      consulta.fecha();
    }
    lista = m_listas.emplace(chave, std::move(itens)).first;
  }
  if (tipoBeneficiario != kNiCpf && tipoBeneficiario != kNiCnpj) return lista->second;
  const std::pair<ChaveLista, int> chaveTipo{chave, tipoBeneficiario};
  auto filtrada = m_listasTipo.find(chaveTipo);
  if (filtrada == m_listasTipo.end()) {
    const QString letra = tipoBeneficiario == kNiCpf ? QStringLiteral("F") : QStringLiteral("J");
    std::vector<ItemCodigo> itens;
    for (const ItemCodigo& item : lista->second)
      if (item.pfPjAmbos == u"A" || item.pfPjAmbos == letra) itens.push_back(item);
    filtrada = m_listasTipo.emplace(chaveTipo, std::move(itens)).first;
  }
  return filtrada->second;
}

QString TLogicaBeneficiarios::Resumo(const QString& codigo) {
  const QString procurado = codigo.trimmed();
  if (procurado.isEmpty()) return {};
  for (const ItemCodigo& item : Codigos(kNiIndefinido))
    if (item.codigo == procurado) return item.resumo;
  return {};
}

void TLogicaBeneficiarios::AtualizaContador() {
  if (!m_itens || !m_linha || m_dono->GetFonteDK().isEmpty()) {
    m_contador.clear();
    return;
  }
  const QString& fonte = m_dono->GetFonteDK();
  m_total = m_itens->TotalBeneficiarios(fonte);
  if (!LinhaNova()) {
    // A move knows where it went; only a save, a deletion or a go-to asks the database.
    if (!m_posicaoConhecida) {
      m_posicao = m_itens->PosicaoItem(fonte, m_linha->GetTolvItemDK());
      m_posicaoConhecida = true;
    }
  }
  if (!LinhaNova() && m_posicao > 0) {
    m_contador = QStringLiteral("%1/%2").arg(std::min(m_posicao, m_total)).arg(m_total);
  } else {
    // A new line counts as the next one.
    m_posicao = m_total = m_total + 1;
    m_posicaoConhecida = false;
    m_contador = QStringLiteral("%1/%1").arg(m_total);
  }
}

TLogicaBeneficiarios::Botoes TLogicaBeneficiarios::EstadoBotoes() const {
  Botoes b;
  if (!m_linha) return b;
  const bool numero = !m_linha->GetBeneficiario().GetNiDigitos().isEmpty();
  b.primeiro = b.anterior = m_posicao > 1;
  b.ultimo = b.proximo = m_posicao < m_total;
  b.exclui = numero;
  b.inclui = b.desfaz = numero || m_modo == Modo::Declarante || !m_dono->GetFonteDK().isEmpty();
  const int guardadas = LinhaNova() ? m_total - 1 : m_total;
  b.pesquisa = guardadas > 0 && !(m_posicao == 1 && !numero);
  return b;
}

int TLogicaBeneficiarios::AtualizaCodigo() {
  if (!m_linha) return 0;
  TTolvItem& linha = *m_linha;
  const TCodigoRetencao copia = linha.GetCodigoRetencao();
  const QString atual = copia.GetCodigo().trimmed();
  const QString caixa = m_textoCodigo.trimmed();
  m_codigoAnterior = atual;
  if (!(caixa != atual || (!caixa.isEmpty() && LinhaModificada()))) return 0;
  int resultado = 0;
  try {
    if (caixa != atual) {
      if (atual.isEmpty()) {
        linha.GetCodigoRetencao().SetCodigo(caixa);
        linha.GetCodigoRetencao().SetAno(m_declaracao->GetAnoCalendario());
      } else {
        TCodigoRetencao novo;
        novo.SetCodigo(caixa);
        novo.SetAno(copia.GetAno().isEmpty() ? m_declaracao->GetAnoCalendario() : copia.GetAno());
        novo.SetAnexo(anexoCodigo());
        m_dono->GetColecaoCodigoRetencao().BuscaCodigo(novo);
        linha.SetCodigoRetencao(novo);
        if (linha.ValidaCodigoRetencao() == 0) {
          const bool compativel =
              linha.GetCodigoRetencao().CompativelCom(copia) || linha.GetBeneficiario().GetTipo() == kNiCnpj;
          const int pergunta = compativel ? kAlteraCodigo : kAlteraCodigoPerda;
          if (MostraMensagem(TErro::TextoMensagem(pergunta), QStringLiteral("Alterar código de receita"), 4 | 32) !=
              ResultadoMensagem::Sim) {
            linha.SetCodigoRetencao(copia);
            m_textoCodigo = atual;
            // The box shows the line's code again, whichever question was answered.
            if (m_mostraCodigo) m_mostraCodigo(atual);
            if (compativel) redesenha();
            return kAlteraCodigoPerda;
          }
        }
      }
    }
    TCodigoRetencao& codigo = linha.GetCodigoRetencao();
    if (!codigo.GetCodigo().trimmed().isEmpty() && codigo.GetAno().isEmpty())
      codigo.SetAno(m_declaracao->GetAnoCalendario());
    linha.SetLinhaProcesso(m_modo == Modo::Processo ? 1 : 0);
    codigo.SetAnexo(anexoCodigo());
    resultado = linha.ValidaCodigoRetencao();
    linha.SetModificado(true);
    if (resultado == 0) {
      if (!codigo.GetCodigo().trimmed().isEmpty() && LinhaNova() && !linha.GetBeneficiario().GetNiDigitos().isEmpty() &&
          m_itens && m_itens->Busca(linha)) {
        // The beneficiary and code are stored already: the stored line is the one shown.
        zeraModificados();
        m_posicaoConhecida = false;
        AtualizaContador();
      }
      m_textoCodigo = codigo.GetCodigo().trimmed();
      redesenha();
    }
  } catch (...) {
    linha.SetCodigoRetencao(copia);
    throw;
  }
  if (resultado != 0) {
    linha.SetCodigoRetencao(copia);
    m_textoCodigo = atual;
  }
  return resultado;
}

int TLogicaBeneficiarios::SalvaTolvItem() {
  if (!m_itens || !m_linha || !LinhaModificada()) return 0;
  TTolvItem& linha = *m_linha;
  TBeneficiarioTolv& beneficiario = linha.GetBeneficiario();
  // Lines belong to a stored owner: under an annex that has no key yet nothing can be written,
  // and the annex is what the user must see to.
  if (m_dono->GetFonteDK().isEmpty()) return kDonoNaoGravado;
  int r = linha.Valida();
  if (beneficiario.GetTipoIdentificacao() == 1 && beneficiario.GetNiDigitos().isEmpty() &&
      beneficiario.GetNome().GetValor().isEmpty() && r == kNiInvalido)
    return r;
  if (r != 0) {
    AtualizaContador();
    return r;
  }
  if ((r = beneficiario.ValidaBeneficiario()) != 0) {
    mostra(r, {}, TipoMensagem::Aviso);
    foca(Campo::Nome);
    return r;
  }
  const QString codigo = linha.GetCodigoRetencao().GetCodigo().trimmed();
  if ((r = linha.ValidaVigenciaCodigo()) != 0) {
    if (r == kVigencia8045 || r == kVigenciaEncerrada)
      mostra(r, codigo, TipoMensagem::Erro, kAjudaVigencia, TErro::kBotaoOk | TErro::kBotaoAjuda);
    else
      mostra(r, codigo, TipoMensagem::Erro);
    foca(Campo::Codigo);
    // Not stored: the line stays as keyed, and whoever asked to leave it is told no.
    return r;
  }
  const bool nova = LinhaNova();
  try {
    m_itens->Grava(linha);
  } catch (const EColecaoError& e) {
    r = e.Codigo();
    if (e.Tipo() == TipoMensagem::Confirmacao) {
      if (e.Mostra() == ResultadoMensagem::Sim) {
        if (m_itens->Localiza(linha)) m_itens->Grava(linha);
      } else {
        const TTolvItem& guardada = m_itens->GetLinhaCarregada();
        guardada.GetBeneficiario().CopiaPara(linha.GetBeneficiario());
        linha.SetCodigoRetencao(guardada.GetCodigoRetencao());
        m_textoCodigo = guardada.GetCodigoRetencao().GetCodigo().trimmed();
        redesenha();
      }
      m_posicaoConhecida = false;
      AtualizaContador();
      return 0;
    }
    // Nothing was written: the line stays on screen as keyed, still modified.
    if (r == kDuplicada) foca(Campo::Codigo);
    e.Mostra();
    return r;
  } catch (const EDataInvalida& e) {
    TErro::MostraTexto(QString::fromUtf8(e.what()), TipoMensagem::Erro);
    return kRecusaMostrada;
  }
  if (nova) m_posicaoConhecida = false;
  AtualizaContador();
  // Nothing written: the line is not stored, whatever the collection answered.
  if (nova && LinhaNova()) return kDonoNaoGravado;
  return 0;
}

void TLogicaBeneficiarios::Reporta(int r) {
  if (r == 0) return;
  TBeneficiarioTolv& beneficiario = m_linha->GetBeneficiario();
  const QString codigo = m_linha->GetCodigoRetencao().GetCodigo().trimmed();
  if (r >= kNiInvalido && r <= kCnpjInvalido) {
    mostra(r, TNiContribuinte::FormataNi(beneficiario.GetNiDigitos()), TipoMensagem::Erro);
  } else if (r >= kVigencia8045 && r <= kVigencia2003Fevereiro) {
    foca(Campo::Codigo);
    return;
  } else if (r == kDuplicada || r == kRecusaMostrada) {
    return;
  } else if (r == kDonoNaoGravado) {
    if (m_donoSemChave) m_donoSemChave();
    return;
  } else if (r == kDeclaranteBeneficiario || r == kProprioBeneficiario) {
    // Said, not passed over in silence: the user must know why he is kept on the line.
    mostra(r, beneficiario.GetNiFormatado(), TipoMensagem::Erro);
  } else if (r == kCodigoDeclaranteBeneficiario) {
    mostra(r, codigo, TipoMensagem::Erro);
  } else {
    mostra(r, {}, TipoMensagem::Erro);
  }
  foca(beneficiario.GetNome().GetValor().isEmpty() ? Campo::Nome : Campo::Numero);
}

bool TLogicaBeneficiarios::DeixaLinha() {
  if (!m_linha) return true;
  const bool nova = LinhaNova();
  // A new line holding amounts is never dropped without a word; one that holds nothing but a
  // part of its identification is given up, as before.
  const bool descartavel = nova && !temValores(*m_linha);
  const QString digitado = m_textoCodigo;
  if (const int c = AtualizaCodigo()) {
    if (descartavel) return true;
    if (c != kAlteraCodigoPerda) mostra(c, c == kNaturezaNaoPrevista ? QString() : digitado, TipoMensagem::Erro);
    foca(Campo::Codigo);
    return false;
  }
  const int r = SalvaTolvItem();
  if (r == 0) return true;
  if (descartavel && r >= kNiInvalido && r <= kCnpjInvalido) return true;
  const TBeneficiarioTolv& b = m_linha->GetBeneficiario();
  if (descartavel && b.GetNiDigitos().isEmpty() && b.GetNome().GetValor().isEmpty() &&
      (m_textoCodigo.isEmpty() || r == kDonoNaoGravado))
    return true;
  Reporta(r);
  return false;
}

bool TLogicaBeneficiarios::carregou(bool (TColecaoTolvItem::*carrega)(TTolvItem&)) {
  const bool vazia = (m_itens->*carrega)(*m_linha);
  posicionaCodigo();
  return !vazia;
}

void TLogicaBeneficiarios::posicionaCodigo() {
  zeraModificados();
  m_textoCodigo = m_linha->GetCodigoRetencao().GetCodigo().trimmed();
  m_codigoAnterior = m_textoCodigo;
}

namespace {
struct Guarda {
  bool& flag;
  explicit Guarda(bool& f) : flag(f) { flag = true; }
  ~Guarda() { flag = false; }
};
}  // namespace

bool TLogicaBeneficiarios::Primeiro() {
  if (!m_linha || m_navegando) return false;
  Guarda guarda(m_navegando);
  if (!DeixaLinha()) return false;
  m_posicao = carregou(&TColecaoTolvItem::CarregaPrimeiro) ? 1 : 0;
  m_posicaoConhecida = m_posicao > 0;
  AtualizaContador();
  redesenha();
  foca(Campo::Numero);
  return true;
}

bool TLogicaBeneficiarios::Anterior() {
  if (!m_linha || m_navegando) return false;
  Guarda guarda(m_navegando);
  const bool nova = LinhaNova();
  const QString chaveCarregada = m_itens->GetLinhaCarregada().GetTolvItemDK();
  if (!DeixaLinha()) return false;
  if (nova && !chaveCarregada.isEmpty()) {
    // Back from a new line to the line shown before it, wherever it stands.
    m_linha->SetTolvItemDK(chaveCarregada);
    if (!m_itens->Busca(*m_linha)) m_itens->CarregaUltimo(*m_linha);
    posicionaCodigo();
    m_posicaoConhecida = false;
  } else if (nova) {
    carregou(&TColecaoTolvItem::CarregaUltimo);
    m_posicaoConhecida = false;
  } else {
    carregou(&TColecaoTolvItem::CarregaAnterior);
    m_posicao = std::max(1, m_posicao - 1);
    m_posicaoConhecida = true;
  }
  AtualizaContador();
  redesenha();
  foca(Campo::Numero);
  return true;
}

bool TLogicaBeneficiarios::Proximo() {
  if (!m_linha || m_navegando) return false;
  Guarda guarda(m_navegando);
  const bool nova = LinhaNova();
  if (!DeixaLinha()) return false;
  carregou(&TColecaoTolvItem::CarregaProximo);
  if (nova) {
    m_posicaoConhecida = false;
  } else {
    m_posicao = std::min(m_total, m_posicao + 1);
    m_posicaoConhecida = true;
  }
  AtualizaContador();
  redesenha();
  foca(Campo::Numero);
  return true;
}

bool TLogicaBeneficiarios::Ultimo() {
  if (!m_linha || m_navegando) return false;
  Guarda guarda(m_navegando);
  if (!DeixaLinha()) return false;
  const bool temLinha = carregou(&TColecaoTolvItem::CarregaUltimo);
  m_posicao = temLinha ? m_itens->TotalBeneficiarios(m_dono->GetFonteDK()) : 0;
  m_posicaoConhecida = temLinha;
  AtualizaContador();
  redesenha();
  foca(Campo::Numero);
  return true;
}

bool TLogicaBeneficiarios::Inclui() {
  if (!m_linha) return false;
  TBeneficiarioTolv& beneficiario = m_linha->GetBeneficiario();
  if (!beneficiario.GetNiDigitos().isEmpty()) {
    if (beneficiario.GetNome().GetValor().trimmed().isEmpty()) {
      mostra(kNomeNaoInformado, {}, TipoMensagem::Aviso);
      foca(Campo::Nome);
      return false;
    }
    if (m_textoCodigo.trimmed().isEmpty() && m_linha->GetCodigoRetencao().GetCodigo().trimmed().isEmpty()) {
      mostra(kCodigoObrigatorio, {}, TipoMensagem::Aviso);
      foca(Campo::Codigo);
      return false;
    }
  }
  if (!DeixaLinha()) return false;
  if (m_modo != Modo::Processo) m_textoCodigo.clear();
  m_linha->Limpa();
  m_linha->SetLinhaProcesso(m_modo == Modo::Processo ? 1 : 0);
  zeraModificados();
  m_codigoAnterior.clear();
  m_posicaoConhecida = false;
  AtualizaContador();
  redesenha();
  foca(Campo::Numero);
  return true;
}

bool TLogicaBeneficiarios::Exclui() {
  if (!m_linha) return false;
  const bool guardada = !LinhaNova();
  if (guardada) {
    const QString argumentos = m_linha->GetBeneficiario().GetNiFormatado() + u';' + m_textoCodigo;
    if (mostra(kConfirmaExclusao, argumentos, TipoMensagem::Confirmacao) != ResultadoMensagem::Sim) return false;
    m_itens->Exclui(*m_linha);
  } else {
    m_itens->CarregaAtual(*m_linha);
  }
  posicionaCodigo();
  m_posicaoConhecida = false;
  AtualizaContador();
  redesenha();
  foca(Campo::Numero);
  return guardada;
}

void TLogicaBeneficiarios::Desfaz() {
  if (!m_linha) return;
  if (LinhaNova()) {
    m_linha->Limpa();
    if (m_modo != Modo::Processo) m_textoCodigo.clear();
  }
  // An annex not identified yet has no lines to go back to.
  if (m_modo == Modo::Declarante || !m_dono->GetFonteDK().isEmpty()) {
    if (m_itens->TotalBeneficiarios(m_dono->GetFonteDK()) > 0) {
      m_itens->CarregaUltimo(*m_linha);
      m_posicaoConhecida = false;
    }
  }
  posicionaCodigo();
  AtualizaContador();
  redesenha();
  foca(Campo::Numero);
}

bool TLogicaBeneficiarios::Posiciona(const QString& chave) {
  if (!m_linha || chave.isEmpty()) return false;
  if (!DeixaLinha()) return false;
  TTolvItem procurada(*m_declaracao, *m_dono);
  procurada.SetIndicadorAnexo(m_linha->GetIndicadorAnexo());
  procurada.SetTolvItemDK(chave);
  if (!m_itens->Busca(procurada)) return false;
  procurada.CopiaPara(*m_linha);
  posicionaCodigo();
  m_posicaoConhecida = false;
  AtualizaContador();
  redesenha();
  return true;
}

int TLogicaBeneficiarios::reportaChave(int r, bool doNome) {
  if (r == kAlgarismosNoNome) {
    mostra(r, m_linha->GetBeneficiario().GetNome().GetValor(), TipoMensagem::Erro);
    foca(Campo::Nome);
  } else if (r != 0) {
    mostra(r, {}, TipoMensagem::Erro);
    foca(doNome ? Campo::Nome : Campo::Numero);
  }
  return r;
}

int TLogicaBeneficiarios::ValidaChave(bool doNome) {
  if (!m_linha) return 0;
  const TBeneficiarioTolv& b = m_linha->GetBeneficiario();
  if (b.GetNiDigitos().isEmpty() || b.GetNome().GetValor().isEmpty() ||
      m_linha->GetCodigoRetencao().GetCodigo().trimmed().isEmpty() || m_textoCodigo.trimmed().isEmpty())
    return 0;
  return reportaChave(m_linha->Valida(), doNome);
}

bool TLogicaBeneficiarios::SaiPainelNumero() {
  if (!m_linha) return true;
  TBeneficiarioTolv& b = m_linha->GetBeneficiario();
  if (b.GetNiDigitos().isEmpty()) return true;
  const TContribuinte& declarante = m_declaracao->GetContribuinte();
  if (declarante.GetTipo() == kNiCpf && declarante.GetNiDigitos() == b.GetNiDigitos()) {
    mostra(kDeclaranteBeneficiario, b.GetNiDigitos(), TipoMensagem::Erro);
    m_linha->Limpa();
    if (m_modo != Modo::Processo) m_textoCodigo.clear();
    foca(Campo::Numero);
    redesenha();
    return false;
  }
  if (LinhaNova() && !m_linha->GetCodigoRetencao().GetCodigo().trimmed().isEmpty() && m_itens->Busca(*m_linha)) {
    posicionaCodigo();
    m_posicaoConhecida = false;
    AtualizaContador();
  }
  redesenha();
  return true;
}

int TLogicaBeneficiarios::SaiCodigo() {
  if (!m_linha || m_linha->GetBeneficiario().GetNome().GetValor().isEmpty()) return 0;
  const QString digitado = m_textoCodigo.trimmed();
  if (!digitado.isEmpty()) {
    if (const int r = AtualizaCodigo()) {
      if (r != kAlteraCodigoPerda) mostra(r, r == kNaturezaNaoPrevista ? QString() : digitado, TipoMensagem::Erro);
      foca(Campo::Codigo);
      return r;
    }
  }
  const int r = m_linha->Valida();
  if (r == kAlgarismosNoNome) {
    mostra(r, m_linha->GetBeneficiario().GetNome().GetValor(), TipoMensagem::Erro);
    foca(Campo::Nome);
  } else if (r != 0) {
    mostra(r, digitado, TipoMensagem::Erro);
    foca(Campo::Codigo);
  } else if (digitado == u"5936" && !m_avisoAno) {
    m_avisoAno = true;
    mostra(kAvisoAno, {}, TipoMensagem::Informacao);
  }
  return r;
}

void TLogicaBeneficiarios::MudaMolestia(bool marcado) {
  if (!m_linha) return;
  m_linha->GetInMolestia().SetValor(marcado ? QStringLiteral("S") : QStringLiteral("N"));
  // Without the illness, its amounts and report date go in the same store: the stored line never
  // says "N" beside amounts of an illness.
  if (!marcado) {
    m_linha->GetDataLaudo().Limpa();
    m_linha->ZeraMolestia();
  }
  m_linha->SetModificado(true);
  SalvaTolvItem();
}

void TLogicaBeneficiarios::DefineDataLaudo(const QString& data) {
  if (!m_linha) return;
  if (m_linha->GetDataLaudo().GetValor() == data) return;
  if (data.isEmpty())
    m_linha->GetDataLaudo().Limpa();
  else
    m_linha->GetDataLaudo().SetValor(data);
  m_linha->SetModificado(true);
}
