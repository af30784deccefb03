#include "validador/TArquivoDados.h"

#include <QFile>
#include <QFileInfo>

#include "nucleo/Erros.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "validador/ServicosSecoesBasicos.h"

namespace {
constexpr qint64 kIntervaloEventosMs = 50;
}

TArquivoDados::TArquivoDados(const QString& caminhoLog, IServicosSecoes* servicos)
    : m_servicosProprios(servicos ? nullptr : std::make_unique<ServicosSecoesBasicos>()),
      m_servicos(servicos ? servicos : m_servicosProprios.get()),
      m_errosTolv(std::make_unique<TErros>()),
      m_tolv(std::make_unique<TTolv>()) {
  m_tolv->SetErros(m_errosTolv.get());
  if (!m_log.Abre(caminhoLog)) {
    m_erroLog = m_log.Erro();
    MarcaFalha();
  }
  m_analisador.Reinicia();
  m_analisador.ReiniciaUnicos();
  m_relogioEventos.start();
}

TArquivoDados::~TArquivoDados() = default;

bool TArquivoDados::GravaAchado(const QString& linha) {
  if (m_log.Grava(linha)) return true;
  if (m_erroLog.isEmpty()) m_erroLog = m_log.Erro();
  MarcaFalha();
  return false;
}

bool TArquivoDados::DescarregaLog() {
  if (m_log.Descarrega()) return true;
  if (m_erroLog.isEmpty()) m_erroLog = m_log.Erro();
  MarcaFalha();
  return false;
}

void TArquivoDados::ReiniciaLog() {
  Contagem.Erros = Contagem.Avisos = 0;
  Contagem.Fundos = Contagem.ProcessosTrabalho = 0;
  Contagem.BeneficiariosAdicionados = Contagem.BeneficiariosSubstituidos = Contagem.BeneficiariosConsolidados = 0;
  Contagem.BeneficiariosRejeitados = Contagem.RegistrosRejeitados = 0;
  DeclaranteLido = false;
  const QString caminho = m_log.Caminho();
  m_log.Fecha();
  if (!m_log.Abre(caminho)) {
    if (m_erroLog.isEmpty()) m_erroLog = m_log.Erro();
    MarcaFalha();
  }
}

bool TArquivoDados::FechaLog() {
  const bool aberto = m_log.Aberto();
  const bool escrito = m_log.Fecha();
  if (!escrito && m_erroLog.isEmpty()) m_erroLog = m_log.Erro();
  const QFileInfo info(m_log.Caminho());
  // Only a regular file is ever removed: the log may be pointed at anything a caller chose.
  if (aberto && escrito && info.isFile() && info.size() == 0 && MotivoInterrupcao == kSemMotivo &&
      !(RraNaBase && ExisteRra))
    QFile::remove(info.filePath());
  return m_erroLog.isEmpty();
}

void TArquivoDados::Interrompe() {
  Interrompido = true;
  Concluido = false;
  if (!Falhou) SetMotivoInterrupcao(kCancelado);
}

void TArquivoDados::MarcaFalha() {
  Falhou = true;
  Concluido = false;
}

void TArquivoDados::Conclui() {
  Concluido = true;
  m_posicaoProgresso = m_maximoProgresso;
  if (m_progresso) m_progresso(m_posicaoProgresso, m_maximoProgresso);
  ProcessaEventos(true);
}

void TArquivoDados::SetMotivoInterrupcao(uint8_t motivo) {
  if (MotivoInterrupcao == kSemMotivo) MotivoInterrupcao = motivo;
}

int TArquivoDados::SituacaoImportacao() const {
  int situacao = PlanoSaudeNaoImportado ? 3 : 0;
  if (MotivoInterrupcao == kCancelado) situacao += 1;
  if (MotivoInterrupcao == kLimiteErros) situacao += 2;
  return situacao;
}

void TArquivoDados::ZeraTotaisImportacao() {
  if (MotivoInterrupcao != kLimiteErros) return;
  Contagem.Fundos = Contagem.ProcessosTrabalho = Contagem.ProcessosFederal = Contagem.ProcessosEstadual = 0;
  Contagem.RraDeclarante = Contagem.RraProcesso = Contagem.Remessas = 0;
  Contagem.BeneficiariosAdicionados = Contagem.BeneficiariosSubstituidos = Contagem.BeneficiariosConsolidados = 0;
  Contagem.BeneficiariosRejeitados = Contagem.Operadoras = 0;
  Contagem.TitularesAdicionados = Contagem.DependentesAdicionados = 0;
}

void TArquivoDados::PreparaAnalise(int64_t tamanhoArquivo) {
  // About one bit per 30 bytes of file to start with; the bits grow when a line needs more.
  const int64_t bits = tamanhoArquivo < 0 ? 0 : (tamanhoArquivo + 15) / 30;
  m_flags.SetTamanho(bits + 15);
  Falhou = !m_erroLog.isEmpty();
  Interrompido = false;
}

void TArquivoDados::SetBarraProgresso(Progresso progresso) {
  m_progresso = std::move(progresso);
  m_flags.Reinicia();
}

void TArquivoDados::IniciaProgresso(int64_t tamanho) {
  m_posicaoProgresso = 0;
  m_maximoProgresso = tamanho;
  m_passoProgresso = (tamanho < 0 ? 0 : tamanho / 99) + 1;
  m_acumulado = 0;
  if (m_progresso) m_progresso(0, m_maximoProgresso);
}

void TArquivoDados::ContaLinha(int64_t bytes) {
  m_flags.ProximaLinha();
  AvancaProgresso(bytes);
}

void TArquivoDados::AvancaProgresso(int64_t bytes) {
  if (m_acumulado > m_passoProgresso) {
    m_posicaoProgresso += m_acumulado;
    m_acumulado = 0;
    if (m_progresso) m_progresso(m_posicaoProgresso, m_maximoProgresso);
  }
  m_acumulado += bytes;
}

void TArquivoDados::ProcessaEventos(bool forca) {
  if (!m_processaEventos) return;
  // The clock is read once every few hundred calls: a line takes well under a microsecond.
  if (!forca && (++m_chamadasEventos & 0xFF) != 0) return;
  if (!forca && m_relogioEventos.elapsed() < kIntervaloEventosMs) return;
  m_relogioEventos.restart();
  m_processaEventos();
}

void TArquivoDados::CriaRra() {
  Rra = {};
  RraNaBase = m_servicos->ExisteRra();
}

void TArquivoDados::SetDataEvento(const QDate& data) {
  DataEvento = data;
  m_tolv->SetDataEvento(data.isValid() ? data.toString(QStringLiteral("dd/MM/yyyy")) : QStringLiteral("30/12/1899"));
  MesEvento = m_tolv->GetMesEvento();
}

TTolv& TArquivoDados::NovaDeclaracao() {
  m_itemAtual.reset();
  m_anexoAtual.reset();
  m_tolv.reset();
  m_errosTolv = std::make_unique<TErros>();
  m_tolv = std::make_unique<TTolv>();
  m_tolv->SetErros(m_errosTolv.get());
  return *m_tolv;
}

void TArquivoDados::SetItemAtual(std::unique_ptr<TTolvItem> item) { m_itemAtual = std::move(item); }

void TArquivoDados::SetAnexoAtual(std::unique_ptr<TAnexoFC> anexo) {
  m_itemAtual.reset();
  m_anexoAtual = std::move(anexo);
}
