#include "validador/ImportacaoAnosAnteriores.h"

#include <QFileInfo>

#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Diretorios.h"
#include "nucleo/NomeContribuinte.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "nucleo/UtilArquivos.h"
#include "plataforma/compressao/BibliotecaCompressao.h"
#include "plataforma/sistema/ArquivoTexto.h"

namespace {

// The years of the older layout; a declarant record of another year is still read.
const QLatin1String kPrimeiroAno("2003");
const QLatin1String kUltimoAno("2010");
// The year the import takes when the file's year is refused.
const QString kAnoPadrao = QStringLiteral("2008");
constexpr int kNaturezaPessoa = 9;

QString Extensao(const QString& nome) {
  const QString arquivo = QFileInfo(nome).fileName();
  const qsizetype ponto = arquivo.lastIndexOf(u'.');
  return ponto < 0 ? QString() : arquivo.mid(ponto);
}

}  // namespace

const QStringList& ImportacaoAnosAnteriores::ExtensoesDeclaracao() {
  static const QStringList extensoes{QStringLiteral(".RFO"), QStringLiteral(".RFR"), QStringLiteral(".D90"),
                                     QStringLiteral(".D91"), QStringLiteral(".D00"), QStringLiteral(".D01"),
                                     QStringLiteral(".D10"), QStringLiteral(".D11"), QStringLiteral(".DEC")};
  return extensoes;
}

bool ImportacaoAnosAnteriores::NomeDefinido(const QString& nome) { return !nome.isEmpty() && !nome.contains(u'*'); }

bool ImportacaoAnosAnteriores::CopiaSeguranca(const QString& nome) {
  return Extensao(nome).toLower() == QLatin1String(".cmp");
}

bool ImportacaoAnosAnteriores::ArquivoDeclaracao(const QString& nome) {
  return ExtensoesDeclaracao().contains(Extensao(nome).toUpper());
}

bool ImportacaoAnosAnteriores::PodeLer(const QString& nome) {
  if (nome.trimmed().isEmpty()) return false;
  ArquivoTexto arquivo;
  if (!AbreArquivoLeitura(arquivo, nome)) return false;
  QString linha;
  const bool leu = LeLinha(arquivo, linha);
  arquivo.fecha();
  return leu;
}

QString ImportacaoAnosAnteriores::TextoAlteracao(bool existe, bool registroLido, bool maiuscula) {
  if (!existe)
    return QStringLiteral("Altere, se for o caso, o Nome/nome empresarial e indique o ano-calendário para a importação.");
  const QString declarante = maiuscula ? QStringLiteral("Declarante") : QStringLiteral("declarante");
  QString texto = QStringLiteral("Já existe uma Tolv para este ") + declarante + QStringLiteral(" neste ano. ");
  if (registroLido)
    texto += QStringLiteral("As informações constantes no registro tipo 1 (dados do ") + declarante +
             QStringLiteral(") serão desconsideradas. ");
  return texto + QStringLiteral("Altere, se for o caso, o ano-calendário para a importação.");
}

namespace {

// The monthly values of a line that a conflict adds up, in the order of TotaisConflito.
std::array<TMonetario*, 9> ValoresDoMes(TTolvItem& linha, int mes) {
  TRendimentosTributaveis& t = linha.GetTributaveis();
  TSubJudice& s = linha.GetSubJudice();
  TCompensacao& c = linha.GetCompensacao();
  return {&t.GetRendimento(mes), &t.GetDeducao(mes), &t.GetRetido(mes), &c.GetAnoAtual(mes), &c.GetAnoAnterior(mes),
          &s.GetRendimento(mes), &s.GetDeducao(mes), &s.GetRetido(mes), &s.GetDeposito(mes)};
}

constexpr int kMeses = 13;

}  // namespace

void ImportacaoAnosAnteriores::SomaLinhas(TTolvItem& base, TTolvItem& importado, TTolvItem& soma) {
  for (int mes = 1; mes <= kMeses; ++mes) {
    const auto a = ValoresDoMes(base, mes);
    const auto b = ValoresDoMes(importado, mes);
    const auto r = ValoresDoMes(soma, mes);
    for (size_t i = 0; i < r.size(); ++i) r[i]->SetValorMonetario(a[i]->GetValorMonetario() + b[i]->GetValorMonetario());
  }
}

std::array<Valor, 9> ImportacaoAnosAnteriores::TotaisConflito(TTolvItem& linha) {
  std::array<Valor, 9> totais{};
  for (int mes = 1; mes <= kMeses; ++mes) {
    const auto valores = ValoresDoMes(linha, mes);
    for (size_t i = 0; i < totais.size(); ++i) totais[i] += valores[i]->GetValorMonetario();
  }
  return totais;
}

ImportacaoAnosAnteriores::ImportacaoAnosAnteriores(TTolv& declaracao, TColecaoTolv& colecao)
    : m_declaracao(&declaracao), m_colecao(&colecao) {}

void ImportacaoAnosAnteriores::DefineArquivo(const QString& nome) {
  m_arquivo = nome;
  ConfiguracoesTolv::GravaArqImporta(nome);
  const bool declaracao = ArquivoDeclaracao(nome);
  m_tipoArquivo = declaracao ? 1 : 0;
  m_tipoArquivoAntigo = declaracao ? 2 : 0;
}

int ImportacaoAnosAnteriores::Descomprime(const std::function<void(int)>& progresso) {
  compressao::BibliotecaCompressao biblioteca(ConfiguracoesTolv::BibliotecaCompressao());
  m_resultadoDescompressao = compressao::BibliotecaCompressao::kAusente;
  if (biblioteca.Carrega()) {
    m_biblioteca = &biblioteca;
    m_resultadoDescompressao = biblioteca.DescomprimirTolv(m_arquivo, DiretorioDados(), progresso);
    m_biblioteca = nullptr;
  }
  m_arquivo = DiretorioDados() + u'/' + compressao::BibliotecaCompressao::kArquivoTexto;
  return m_resultadoDescompressao;
}

void ImportacaoAnosAnteriores::CancelaDescompressao() {
  if (m_biblioteca) m_biblioteca->CancelarCompressao();
}

ImportacaoAnosAnteriores::Declarante ImportacaoAnosAnteriores::LeDeclarante() {
  Declarante r;
  r.leitura = LeituraAnterior::Le(m_arquivo);
  if (r.leitura.situacao != LeituraAnterior::Situacao::Lida) return r;
  const DeclaranteAnterior& d = *r.leitura.declarante;
  TTolv& tolv = *m_declaracao;
  m_registroLido = true;

  tolv.SetAnoCalendarioArquivo(d.ano);
  r.anoForaDoLeiaute = d.ano < kPrimeiroAno || d.ano > kUltimoAno;
  tolv.CarregaAnoCalendario(d.ano);
  if (tolv.GetAnoCalendario().isEmpty()) tolv.CarregaAnoCalendario(kAnoPadrao);
  const QString ano = tolv.GetAnoCalendario();
  tolv.SetAnoImportacao(ano);

  tolv.GetContribuinte().SetTipo(d.tipo);
  tolv.GetContribuinte().SetNiComErro(d.ni);
  r.existe = m_colecao->CarregaTolv(tolv);
  if (!r.existe) {
    QString nome = d.nome;
    r.mensagemNome = TNomeContribuinte::ValidaNome(nome, d.tipo, false);
    if (r.mensagemNome == 0) tolv.GetContribuinte().GetNome().SetNomeComErro(nome);
  }
  r.travaNatureza = d.tipo == 1 || tolv.GetNaturezas().GetPermitidas().empty();
  if (d.natureza >= 0) m_naturezaArquivo = d.natureza;
  if (!r.existe) {
    if (d.tipo == 1)
      tolv.SetCodigoNatureza(kNaturezaPessoa);
    else if (d.natureza >= 0)
      tolv.SetCodigoNatureza(d.natureza);
    m_outroEstabelecimento = m_colecao->ExisteOutroEstabelecimento(tolv);
    r.depositario = d.depositario && d.ano > kPrimeiroAno;
    tolv.SetInAdvogado(r.depositario ? 1 : 0);
  } else {
    r.depositario = tolv.GetInAdvogado() != 0;
  }
  // No year until the user picks one: the check of the page asks for it.
  tolv.CarregaAnoCalendario(QString());
  const uint8_t especial = d.normal && d.ano <= tolv.GetAnoCalendarioCorrente() ? 0 : 1;
  tolv.SetSituacaoEspecialArquivo(especial);
  r.textoAlteracao = TextoAlteracao(r.existe, m_registroLido, false);

  r.leitura.LeAmostra(m_arquivo);
  m_texto4 = r.leitura.texto4;

  m_importa.ano = ano;
  m_importa.inAdvogado = tolv.GetInAdvogado();
  m_importa.inAdmFC = tolv.GetInAdmFC();
  m_importa.natureza = tolv.GetNatureza() ? tolv.GetNatureza()->GetCodigo() : -1;
  m_importa.existia = r.existe;
  return r;
}

int ImportacaoAnosAnteriores::ImportaDeclaracao(const std::function<void(int, int)>& progresso,
                                                PedidoImportacaoAnterior::Decide decide) {
  TArquivoTolv arquivo;
  PedidoImportacaoAnterior pedido;
  pedido.cancelado = &m_parar;
  pedido.tipoArquivo = m_tipoArquivo;
  pedido.tipoArquivoAntigo = m_tipoArquivoAntigo;
  pedido.colecao = m_colecao;
  pedido.declaracao = m_declaracao;
  pedido.arquivo = m_arquivo;
  pedido.nomeLog = m_nomeLog;
  pedido.ano = m_importa.ano;
  pedido.contadores = &m_contadores;
  pedido.progresso = progresso;
  pedido.decide = std::move(decide);
  m_codigo = arquivo.ImportaDeclaracao(pedido);
  m_nomeLog = pedido.nomeLog;
  return m_codigo;
}
