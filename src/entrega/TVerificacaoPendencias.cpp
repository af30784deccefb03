#include "entrega/TVerificacaoPendencias.h"

#include <QCoreApplication>

#include "controles/IServicosVerificacao.h"
#include "controles/TVerificacaoEmCurso.h"
#include "entrega/TVerificacaoSecoes.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/ETolvError.h"
#include "nucleo/Erros.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/Pendencia.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "secoes/TzuqRra.h"

namespace {

constexpr uint16_t kNaturezaDivergente = 94;
constexpr uint16_t kDeclaracaoInexistente = 181;
constexpr uint8_t kCampoNatureza = 11;
constexpr uint8_t kSemCampo = 255;
constexpr int kIntervaloEventosMs = 10;

const QString kTextoParadaUsuario = QStringLiteral("Verificação de pendências interrompida pelo usuário! ");
const QString kFimDeclaracao = QString(18, u' ');

// While a run reads the databases: the main window and the declaration's owner know it.
class GuardaExecucao {
 public:
  GuardaExecucao(bool& emExecucao, IServicosVerificacao* servicos) : m_emExecucao(emExecucao), m_servicos(servicos) {
    m_emExecucao = true;
    TVerificacaoEmCurso::instancia().DefineEmExecucao(true);
    if (m_servicos) m_servicos->VerificacaoEmExecucao(true);
  }
  ~GuardaExecucao() {
    m_emExecucao = false;
    if (m_servicos) m_servicos->VerificacaoEmExecucao(false);
    TVerificacaoEmCurso::instancia().DefineEmExecucao(false);
  }
  GuardaExecucao(const GuardaExecucao&) = delete;
  GuardaExecucao& operator=(const GuardaExecucao&) = delete;

 private:
  bool& m_emExecucao;
  IServicosVerificacao* m_servicos;
};

// The number of an entry (its base followed by the check digits), formatted.
QString NiDaEntrada(const QString& base) { return TNiContribuinte::FormataNi(base + TNiContribuinte::CalculaDVNi(base)); }

}  // namespace

TVerificacaoPendencias::TVerificacaoPendencias(QObject* pai)
    : QObject(pai), m_mostrarAvisos(ConfiguracoesTolv::ExibirAvisos()), m_textoParada(kTextoParadaUsuario) {}

TVerificacaoPendencias::~TVerificacaoPendencias() {
  if (m_verificacaoAnunciada) TzuqRra::DefineVerificacaoEmCurso(false);
}

void TVerificacaoPendencias::Acrescenta(LinhaVerificacao linha) {
  // The widths of the list's columns, as the file keeps them.
  linha.descricao.truncate(LinhaVerificacao::kLarguraDescricao);
  linha.aQuemPertence.truncate(LinhaVerificacao::kLarguraChave);
  linha.quemEh.truncate(LinhaVerificacao::kLarguraChave);
  m_linhas.push_back(std::move(linha));
  emit LinhasMudaram();
}

void TVerificacaoPendencias::Para() {
  m_interrompido = true;
  emit EstadoMudou();
}

void TVerificacaoPendencias::SetInterrompido(bool interrompido) {
  m_interrompido = interrompido;
  emit EstadoMudou();
}

void TVerificacaoPendencias::SetOcioso(bool ocioso) {
  m_ocioso = ocioso;
  emit EstadoMudou();
}

void TVerificacaoPendencias::SetVerificados(int quantidade) {
  m_verificados = quantidade;
  emit ContadoresMudaram();
}

void TVerificacaoPendencias::ProcessaEventos() {
  if (m_ultimosEventos.isValid() && m_ultimosEventos.elapsed() < kIntervaloEventosMs) return;
  m_ultimosEventos.start();
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

// Each finding in list order: an error is counted, and the 5,000th stops the run without a row
// of its own; a warning is counted and listed only while warnings are shown. After the 5,000th
// warning one row announces that only errors follow (the checks then make no more warnings).
bool TVerificacaoPendencias::IncluiErros(const TErros& erros) {
  const int limiteErros = TErros::GetLimiteErros();
  const int limiteAvisos = TErros::GetLimiteAvisos();
  bool atingiuAvisos = false;
  for (int i = 0; i < erros.GetQuantidade(); ++i) {
    // The run stopped at the error cap: nothing more is counted.
    if (m_numErros >= limiteErros) break;
    const TErro& e = erros.GetErro(i);
    const bool erro = e.Tipo() == 1;
    // A warning made past the cap is empty: nothing to count or show.
    if (!erro && e.Codigo() == 0) continue;
    bool lista = true;
    if (erro) {
      ++m_numErros;
      emit ContadoresMudaram();
      if (m_numErros >= limiteErros) {
        m_textoParada = QStringLiteral("Verificação interrompida! Limite de %1 erros para uma declaração").arg(limiteErros);
        Para();
        break;
      }
    } else {
      ++m_numAvisos;
      emit ContadoresMudaram();
      lista = m_mostrarAvisos;
    }
    if (lista) {
      LinhaVerificacao l;
      const int objeto = e.Objeto();
      l.aQuemPertence = objeto >= 15 && objeto <= 21 ? QStringLiteral("1") : e.AQuemPertence();
      l.quemEh = e.QuemEh();
      l.objeto = objeto;
      l.gravidade = e.Tipo();
      l.descricao = QStringLiteral("%1").arg(int(e.Tipo()), 2, 10, QLatin1Char('0')) + e.GetMensagem();
      Acrescenta(std::move(l));
    }
    if (m_numAvisos == limiteAvisos && !m_limiteAvisos) {
      m_limiteAvisos = true;
      atingiuAvisos = true;
      IncluiTitulo(QStringLiteral("08ATINGIDOS %1 AVISOS! AGORA SOMENTE ERROS SERÃO MOSTRADOS.").arg(limiteAvisos));
    }
  }
  return atingiuAvisos;
}

void TVerificacaoPendencias::IncluiTitulo(const QString& texto) {
  if (texto.isEmpty()) return;
  LinhaVerificacao l;
  l.descricao = texto;
  Acrescenta(std::move(l));
}

void TVerificacaoPendencias::IncluiCabecalhoFundo(const QString& numero, const QString& nome) {
  IncluiTitulo(QStringLiteral("09") + numero + QStringLiteral("     ") + nome +
               QStringLiteral("     Fundos ou clubes de investimentos"));
}

void TVerificacaoPendencias::IncluiCabecalhoProcesso(const QString& numero, const QString& texto, uint8_t) {
  LinhaVerificacao l;
  l.descricao = QStringLiteral("11") + numero + QStringLiteral("     Processo ") + texto;
  l.aQuemPertence = QStringLiteral("1");
  l.quemEh = QStringLiteral("2");
  Acrescenta(std::move(l));
}

void TVerificacaoPendencias::IncluiCabecalhoDeclaracao(const QString& ni, const QString& nome, const QString& ano) {
  // The accumulated-income month rule reports only during a verification; the flag stays up
  // while this list is there.
  TzuqRra::DefineVerificacaoEmCurso(true);
  m_verificacaoAnunciada = true;
  IncluiTitulo(QStringLiteral("08") + ni + QStringLiteral("     ") + nome + QStringLiteral("     Ano-calendário: ") + ano);
}

void TVerificacaoPendencias::IncluiTituloRemessa() {
  IncluiTitulo(QStringLiteral("09Rendimentos pagos a residentes ou domiciliados no exterior"));
}

void TVerificacaoPendencias::IncluiBeneficiarioRemessa(const QString& nome) {
  IncluiTitulo(QStringLiteral("10Beneficiário - ") + nome);
}

void TVerificacaoPendencias::IncluiCabecalhoPlanoSaude(const QString& ni) {
  IncluiTitulo(QStringLiteral("30") + ni + QStringLiteral("  Plano privado de assistência à saúde - coletivo empresarial"));
}

void TVerificacaoPendencias::IncluiTituloRra(int tipo) {
  IncluiTitulo(QStringLiteral("11Rendimentos recebidos acumuladamente - ") +
               (tipo == 2 ? QStringLiteral("Justiça") : QStringLiteral("Declarante")));
}

void TVerificacaoPendencias::IncluiBeneficiarioRra(const QString& texto) { IncluiTitulo(QStringLiteral("13") + texto); }

void TVerificacaoPendencias::IniciaEstado() {
  m_numErros = 0;
  m_numAvisos = 0;
  m_verificados = 0;
  m_limiteAvisos = false;
  m_interrompido = false;
  m_textoParada = kTextoParadaUsuario;
  m_tempo.clear();
  emit ContadoresMudaram();
  emit EstadoMudou();
}

bool TVerificacaoPendencias::Carrega(TColecaoTolv& colecao, TTolv& tolv, const QString& entrada) {
  tolv.Limpar();
  tolv.CarregaAnoCalendario(entrada.left(4));
  tolv.GetContribuinte().SetNiPelaBaseComErro(entrada.mid(4));
  return colecao.CarregaTolv(tolv);
}

void TVerificacaoPendencias::DeclaracaoInexistente(const QString& entrada) {
  const QString base = entrada.mid(4).trimmed();
  const QString ano = entrada.left(4);
  const QString ni = NiDaEntrada(base);
  IncluiTitulo(QStringLiteral("08") + ni + QStringLiteral("     Ano-calendário: ") + ano);
  const QString tipo = base.size() <= 11 ? QStringLiteral("CPF") : QStringLiteral("CNPJ");
  AdicionaPendencia<ETolvError>(*m_erros, kDeclaracaoInexistente, tipo + u';' + ni + QStringLiteral(", ano-calendário ") + ano,
                                1, QStringLiteral("1"), ni, kSemCampo);
  IncluiErros(*m_erros);
  m_erros->Limpa();
  IncluiTitulo(kFimDeclaracao);
}

bool TVerificacaoPendencias::ExecutarVerificacao(int& contador) {
  if (m_emExecucao) return false;

  m_linhas.clear();
  emit Reiniciada();
  const QString arquivo = ListaVerificacao::Arquivo();
  QString falha;
  if (!ListaVerificacao::Salva(arquivo, m_linhas, &falha)) {
    // A run that could not start has verified nothing: it must not pass for one without pendencies.
    m_interrompido = true;
    emit EstadoMudou();
    ExibeMensagem(QStringLiteral("Não foi possível criar a lista de pendências %1: %2").arg(arquivo, falha),
                  TipoMensagem::Erro);
    return false;
  }

  contador = 0;
  IniciaEstado();
  IServicosVerificacao* servicos = m_servicos ? m_servicos : ServicosVerificacao::Atuais();
  GuardaExecucao guarda(m_emExecucao, servicos);
  m_ultimosEventos.invalidate();
  ProcessaEventos();
  CursorEspera espera;

  // Every error list made resets the program-wide caps: the working objects' lists come first.
  TErros errosCarga;
  TTolv tolv;
  tolv.SetErros(&errosCarga);
  TColecaoTolv colecao;
  m_erros = std::make_unique<TErros>(true);
  TVerificacaoSecoes secoesDoPrograma;
  ISecoesVerificacao& secoes = m_secoes ? *m_secoes : secoesDoPrograma;

  bool carregouAlguma = false;
  bool primeira = true;
  uint8_t natureza = 0;
  auto encerra = [&] {
    if (!m_interrompido && carregouAlguma) m_inOstensivo = tolv.GetInOstensivo() != 0;
    tolv.LiberaItens();
    m_erros.reset();
    SetOcioso(true);
    if (!m_linhas.empty() && m_linhas.back().descricao.trimmed().isEmpty()) {
      m_linhas.pop_back();
      emit LinhasMudaram();
    }
    QString erro;
    if (!ListaVerificacao::Salva(arquivo, m_linhas, &erro)) qWarning("lista de pendências não gravada: %s", qPrintable(erro));
  };

  try {
    tolv.TempoDecorrido();
    for (const QString& entrada : std::as_const(m_declaracoes)) {
      if (m_interrompido) break;
      m_erros->Limpa();
      if (!Carrega(colecao, tolv, entrada)) {
        DeclaracaoInexistente(entrada);
        continue;
      }
      carregouAlguma = true;
      SetOcioso(false);
      const TContribuinte& declarante = tolv.GetContribuinte();
      IncluiCabecalhoDeclaracao(declarante.GetNiFormatado(), declarante.GetNome().GetValor(), tolv.GetAnoCalendario());
      if (primeira) {
        primeira = false;
        natureza = tolv.GetCodigoNatureza();
      } else if (tolv.GetCodigoNatureza() != natureza) {
        AdicionaPendencia<ETolvError>(*m_erros, kNaturezaDivergente, {}, 1, QStringLiteral("1"), declarante.GetNiFormatado(),
                                      kCampoNatureza);
      }
      secoes.Verificar(tolv, *m_erros, *this, contador);
      m_tempo = tolv.TempoDecorrido();
      emit ContadoresMudaram();
    }
  } catch (...) {
    encerra();
    throw;
  }
  encerra();
  return true;
}
