#include "validador/TArqComprovante.h"

#include <algorithm>

#include "nucleo/Erros.h"
#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TColecaoBeneficiario.h"
#include "nucleo/TColecaoComprovante.h"
#include "nucleo/TColecaoComprovantePF.h"
#include "nucleo/TComprovantePF.h"
#include "nucleo/TRegistroComprovante.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilArquivos.h"
#include "plataforma/sistema/ArquivoBinario.h"
#include "validador/LeitorLinhas.h"
#include "validador/TLogErros.h"

const QString TArqComprovante::kTamanhoInvalido = QStringLiteral("Tamanho de Linha Inválido: ");
const QString TArqComprovante::kNaoConsta = QStringLiteral("Beneficiário não consta da Tolv.");
const QString TArqComprovante::kSoFinanceiros = QStringLiteral(
    "Beneficiário possui apenas rendimentos financeiros.  Este programa não emite comprovante de rendimentos "
    "financeiros.");
const QString TArqComprovante::kDuplicado = QStringLiteral("Beneficiário duplicado no arquivo.");

namespace {

// The amounts of box 4 that a line gives, in the order they are tried, with the names that the
// rejection names them by.
struct Valor4 {
  int campo;
  const char16_t* nome;
  TMonetario& (*valor)(TQuadroRendIsentos&);
};

const Valor4 kValores[] = {
    {5, u"Aposentadoria", [](TQuadroRendIsentos& q) -> TMonetario& { return q.GetLinha01(); }},
    {6, u"Diarias", [](TQuadroRendIsentos& q) -> TMonetario& { return q.GetLinha02(); }},
    {7, u"Pensão Alimentícia", [](TQuadroRendIsentos& q) -> TMonetario& { return q.GetLinha03(); }},
    {8, u"Lucro de PJ", [](TQuadroRendIsentos& q) -> TMonetario& { return q.GetLinha04(); }},
    {9, u"Titular de Microempresa", [](TQuadroRendIsentos& q) -> TMonetario& { return q.GetLinha05(); }},
    // Stored as line 7 of the statement, and "Outros" as line 8.
    {10, u"Indenizações", [](TQuadroRendIsentos& q) -> TMonetario& { return q.GetLinha06(); }},
    {12, u"Outros", [](TQuadroRendIsentos& q) -> TMonetario& { return q.GetSomaOutros(); }},
};

QString SemBrancosFinais(const QString& texto) {
  qsizetype fim = texto.size();
  while (fim > 0 && texto[fim - 1] == u' ') --fim;
  return texto.left(fim);
}

}  // namespace

TArqComprovante::TArqComprovante(TTolv& declaracao, const QString& arquivo)
    : m_declaracao(&declaracao), m_arquivo(arquivo) {}

TArqComprovante::~TArqComprovante() = default;

QString TArqComprovante::RaizLog(const TTolv& declaracao) {
  return declaracao.GetContribuinte().GetNiDigitos() + u'_' + declaracao.GetAnoCalendario();
}

void TArqComprovante::Prepara() {
  if (!m_beneficiario) {
    m_erros = std::make_unique<TErros>();
    m_beneficiario = std::make_unique<TBeneficiarioTolv>(m_declaracao);
    // The number's findings go to a list of the reader's own, not to the declaration's.
    m_beneficiario->SetErros(m_erros.get());
    m_comprovante = std::make_unique<TComprovantePF>(*m_beneficiario);
    m_log = std::make_unique<TLogErros>();
    m_registro = std::make_unique<TRegistroComprovante>();
  }
  TColecaoBeneficiario& beneficiarios = m_declaracao->GetColecaoBeneficiario();
  beneficiarios.SetModoLista(false);
  beneficiarios.SetInterativo(false);
  // Batch use: the duplicate control goes on and forgets the persons of an earlier run.
  m_declaracao->GetColecaoComprovante().GetColecaoPF().SetInterativo(false);
  m_importadas = 0;
  m_rejeitadas = 0;
}

void TArqComprovante::Importa(const Progresso& progresso) {
  Prepara();
  m_falha.clear();
  int64_t total = 0;
  {
    ArquivoBinario binario;
    if (!AbreArquivoBinario(binario, m_arquivo, 1, 0)) return;
    total = binario.quantidade();
  }
  LeitorLinhas leitor;
  if (!leitor.Abre(m_arquivo)) {
    m_falha = QStringLiteral("Não foi possível abrir o arquivo ") + m_arquivo + QStringLiteral(": ") + leitor.TextoErro();
    return;
  }
  m_lidas = 0;
  m_raizLog = RaizLog(*m_declaracao);
  m_log->Inicia(m_raizLog);

  int64_t lidos = 0;
  QString linha;
  int64_t bytes = 0;
  while (!m_cancelado && leitor.Le(linha, bytes)) {
    m_registro->SetLinha(linha);
    ++m_lidas;
    lidos += bytes + 2;
    if (m_registro->TamanhoValido()) {
      if (ImportaLinha())
        ++m_importadas;
      else
        ++m_rejeitadas;
    } else if (!m_registro->Vazia()) {
      Rejeita(kTamanhoInvalido + QString::number(m_registro->GetLinha().size()));
      ++m_rejeitadas;
    }
    if (progresso) progresso(std::min(lidos, total), total);
  }
  if (leitor.Erro())
    m_falha = QStringLiteral("Não foi possível ler o arquivo ") + m_arquivo + QStringLiteral(": ") + leitor.TextoErro();
  leitor.Fecha();
  if (progresso) progresso(total, total);
  // What is stored since the last batch commit is kept now, not when the collection goes.
  TColecaoComprovantePF& comprovantes = m_declaracao->GetColecaoComprovante().GetColecaoPF();
  comprovantes.ConfirmaTransacaoRetendo();
  comprovantes.SetInterativo(true);
  m_log->Finaliza();
  if (m_falha.isEmpty()) m_falha = m_log->Falha();
}

void TArqComprovante::Rejeita(const QString& mensagem) {
  m_log->Registra(m_lidas, mensagem, m_registro->GetLinha());
}

bool TArqComprovante::ImportaLinha() {
  QString campo;
  m_registro->GetCampo(1, campo);
  m_erros->Limpa();
  m_beneficiario->SetNiComErro(campo);
  if (m_erros->GetQuantidade() > 0) {
    Rejeita(m_erros->GetErro(0).GetMensagem());
    return false;
  }
  if (!m_declaracao->GetColecaoBeneficiario().Busca(*m_beneficiario)) {
    Rejeita(kNaoConsta);
    return false;
  }
  TColecaoComprovante& comprovantes = m_declaracao->GetColecaoComprovante();
  m_comprovante->Limpar();
  comprovantes.CarregaComprovante(*m_comprovante);
  if (!m_comprovante->TemRendimentos()) {
    Rejeita(kSoFinanceiros);
    return false;
  }

  TQuadroRendIsentos& quadro = m_comprovante->GetQuadro4();
  QString mensagem;
  for (const Valor4& v : kValores) {
    m_registro->GetCampo(v.campo, campo);
    const int codigo = v.valor(quadro).SetValorImportacao(campo);
    if (codigo == 0) continue;
    if (!mensagem.isEmpty()) mensagem += QStringLiteral("; ");
    mensagem += QString::fromUtf16(v.nome) + QStringLiteral(": ") + TErro::TextoMensagem(codigo);
  }
  m_registro->GetCampo(11, campo);
  quadro.GetDescricao().SetValor(SemBrancosFinais(campo));
  m_registro->GetCampo(13, campo);
  m_comprovante->GetInfoComplementar().SetValor(SemBrancosFinais(campo));
  if (!mensagem.isEmpty()) {
    Rejeita(mensagem);
    return false;
  }
  // Every line reaches the store, so that a second line of a beneficiary is told as a duplicate
  // even when it changes nothing of the statement.
  m_comprovante->SetModificado(true);
  if (comprovantes.GravaComprovante(*m_comprovante) == TColecaoComprovantePF::kDuplicado) {
    Rejeita(kDuplicado);
    return false;
  }
  return true;
}
