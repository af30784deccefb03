#include "copia/TFormAssistRestCopSeg.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QToolButton>

#include "controles/TTolvButton.h"
#include "controles/TZUQOpenDialogBox.h"
#include "copia/NomesCopia.h"
#include "copia/PaginaCopia.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Diretorios.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecaoTolv.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/sistema/Pastas.h"

namespace {

constexpr int kAjuda = 11090;
constexpr int kAjudaArquivo = 11091;
constexpr int kMensagemPastaInexistente = 303;
const QString kTitulo = QStringLiteral("Restauração de cópia de segurança");

// The folder part of a path (without its last '/') and the name after it.
std::pair<QString, QString> Separa(const QString& caminho) {
  const qsizetype barra = caminho.lastIndexOf(u'/');
  if (barra < 0) return {QString(), caminho};
  return {barra == 0 ? QStringLiteral("/") : caminho.left(barra), caminho.mid(barra + 1)};
}

QString Junta(const QString& pasta, const QString& nome) {
  return pasta.endsWith(u'/') ? pasta + nome : pasta + u'/' + nome;
}

class EstadoRCS : public TEstadoNovo {
 public:
  EstadoRCS(TFormAssistNovo* dono, int pagina, TFormAssistRestCopSeg* assistente)
      : TEstadoNovo(dono, pagina), m_assistente(assistente) {}

  void Entra() override {
    if (m_assistente->ProcessaPasso(Pagina())) return;
    m_assistente->MarcaErro(true);
  }

  bool TrataEvento(int evento) override {
    if (evento == EventoAssistente::Cancelar) {
      SetProximo(RotaAssistente::Cancela);
      return false;
    }
    switch (Pagina()) {
      case 1:
        SetProximo(2);
        return evento == EventoAssistente::Concluir;
      case 2:
        SetProximo(3);
        return true;
      case 3:
        if (!SemErro()) {
          SetProximo(5);
          return false;
        }
        if (FalhaBanco) {
          SetProximo(7);
          return false;
        }
        if (m_assistente->RestauraBase() && m_assistente->QuantidadeAtual() > 0) {
          SetProximo(6);
          return false;
        }
        SetProximo(7);
        return true;
      case 6:
        SetProximo(7);
        return true;
      case 7:
        SetProximo(SemErro() ? 4 : 5);
        return false;
      default:
        SetProximo(RotaAssistente::Conclui);
        return false;
    }
  }

 private:
  TFormAssistRestCopSeg* m_assistente;
};

}  // namespace

TFormAssistRestCopSeg::TFormAssistRestCopSeg(QWidget* dono) : TFormAssistNovo(dono) {
  setObjectName(QStringLiteral("FormAssistRestCopSeg"));
  setWindowTitle(kTitulo);
  resize(600, 420);
  criaPaginas();
  for (int p = 1; p <= 7; ++p) CriaEstado<EstadoRCS>(p, this);
  using ConfiguracoesTolv::AssistenteCopia;
  m_dirDefault = RemoveBarraFinal(ConfiguracoesTolv::DirCsDefault(AssistenteCopia::Restauracao));
  m_dirUltimo = RemoveBarraFinal(ConfiguracoesTolv::DirCsUltimo(AssistenteCopia::Restauracao));
  m_arqDefault = ConfiguracoesTolv::ArqCsDefault(AssistenteCopia::Restauracao);
  m_arqUltimo = ConfiguracoesTolv::ArqCsUltimo(AssistenteCopia::Restauracao);
  TZUQOpenDialogBox::Novo()->SetFileName(Separa(m_arqDefault).second);
  DefineAjudaBotoes(kAjuda);
  ExecutaEstado();
}

TFormAssistRestCopSeg::~TFormAssistRestCopSeg() = default;

void TFormAssistRestCopSeg::criaPaginas() {
  {
    QWidget* p = CriaPainel(1);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    l->addWidget(PaginaCopia::Texto(p, QStringLiteral("A restauração substitui os dados anteriores.")));
    l->addWidget(PaginaCopia::Texto(p, QStringLiteral("Não utilize cópia de segurança gravada pelos programas de anos anteriores.")));
    l->addSpacing(6);
    l->addWidget(PaginaCopia::Texto(p, QStringLiteral("Escolha a opção desejada:")));
    m_rbCopBanco = new QRadioButton(QStringLiteral("Restauração de Cópia de Segurança do Banco de Dados"), p);
    m_rbCopBanco->setObjectName(QStringLiteral("RBCopBanco"));
    m_rbCopBanco->setChecked(true);
    m_rbCopDec = new QRadioButton(QStringLiteral("Restauração de Cópia de Segurança de uma Declaração"), p);
    m_rbCopDec->setObjectName(QStringLiteral("RBCopDec"));
    l->addWidget(m_rbCopBanco);
    l->addWidget(m_rbCopDec);
    l->addStretch(1);
    for (QRadioButton* rb : {m_rbCopBanco, m_rbCopDec})
      connect(rb, &QRadioButton::clicked, this, [this] { HabilitaAvancar(true); });
  }
  {
    QWidget* p = CriaPainel(2);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    l->addWidget(PaginaCopia::Texto(p, QStringLiteral("Selecione ou digite o nome completo do arquivo de cópia de segurança")));
    auto* linha = new QHBoxLayout;
    m_edArquivo = new QLineEdit(p);
    m_edArquivo->setObjectName(QStringLiteral("EdArquivo"));
    m_edArquivo->setProperty("HelpContext", kAjudaArquivo);
    m_btnProcurar = new TTolvButton(QStringLiteral("Procurar..."), p);
    m_btnProcurar->setObjectName(QStringLiteral("BtnProcurar"));
    m_btnProcurar->setFixedSize(90, 23);
    linha->addWidget(m_edArquivo, 1);
    linha->addWidget(m_btnProcurar);
    l->addLayout(linha);
    l->addStretch(1);
    connect(m_edArquivo, &QLineEdit::textChanged, this, [this](const QString& t) {
      if (PaginaAtual() == 2) HabilitaAvancar(!t.isEmpty());
    });
    connect(m_edArquivo, &QLineEdit::editingFinished, this, [this] { DefineNomeArquivo(); });
    connect(m_btnProcurar, &TTolvButton::clicked, this, [this] { GuardaEventos::executa([this] { BtnProcurarClick(); }); });
  }
  {
    QWidget* p = CriaPainel(3);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    m_label2 = PaginaCopia::Texto(p, QString(), "Label2");
    l->addWidget(m_label2);
    m_gaugeTotal = PaginaCopia::Progresso(p, "GaugeTotal");
    l->addWidget(m_gaugeTotal);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(6);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    m_label9 = PaginaCopia::Texto(p, QString(), "Label9");
    l->addWidget(m_label9);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(7);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    l->addWidget(PaginaCopia::Texto(p, QStringLiteral("Atualizando arquivos de dados...")));
    m_gauge2 = PaginaCopia::Progresso(p, "Gauge2");
    l->addWidget(m_gauge2);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(4);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    l->addWidget(PaginaCopia::Texto(p, QStringLiteral("Restauração de cópia de segurança efetuada com sucesso.")));
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(5);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    m_label4 = PaginaCopia::Texto(p, QString(), "Label4");
    m_label3 = PaginaCopia::Texto(p, QString(), "Label3");
    l->addWidget(m_label4);
    l->addSpacing(8);
    l->addWidget(m_label3);
    l->addStretch(1);
  }
}

bool TFormAssistRestCopSeg::RestauraBase() const { return m_rbCopBanco->isChecked(); }

void TFormAssistRestCopSeg::DefineNomeArquivo() {
  m_label3->setText(QStringLiteral("Nome do arquivo: ") + m_edArquivo->text());
}

void TFormAssistRestCopSeg::VerificaIndice() {
  // Over an unusable index only the whole database can come back.
  const bool usavel = !FalhaBancoIndice;
  m_rbCopDec->setEnabled(usavel);
  if (!usavel) m_rbCopBanco->setChecked(true);
}

QString TFormAssistRestCopSeg::TextoConfirmacao(int atual, int arquivo) {
  auto declaracoes = [](int n) {
    return NomesCopia::NumeroPorExtenso(n) + (n < 2 ? QStringLiteral(" declaração") : QStringLiteral(" declarações"));
  };
  return QStringLiteral("A base de dados atual contém ") + declaracoes(atual) +
         QStringLiteral(".\nAo restaurar a cópia de segurança haverá a substituição por outra base contendo ") +
         declaracoes(arquivo) + QStringLiteral(".\n\nCaso não deseje efetuar o procedimento clique em cancelar.");
}

void TFormAssistRestCopSeg::MostraPagina(int pagina) {
  MostraPainel(pagina);
  HabilitaCancelar(true);
  HabilitaVoltar(false);
  HabilitaAvancar(false);
  HabilitaConcluir(false);
  switch (pagina) {
    case 1:
      VerificaIndice();
      HabilitaAvancar(true);
      setWindowTitle(kTitulo);
      break;
    case 2:
      m_edArquivo->setFocus();
      HabilitaVoltar(true);
      HabilitaAvancar(!m_edArquivo->text().isEmpty());
      break;
    case 4:
      HabilitaCancelar(false);
      HabilitaConcluir(true);
      break;
    case 5: {
      HabilitaCancelar(false);
      HabilitaConcluir(true);
      QString texto;
      if (!QFileInfo(m_arquivo).isFile())
        texto = QStringLiteral("Cópia de segurança não localizada, verifique o diretório e o nome informados");
      else if (m_codigo == 0)
        texto = QStringLiteral("Houve um erro na descompressão do arquivo de cópia de segurança.");
      else if (m_codigo == 1)
        texto = QStringLiteral("Houve um erro na restauração de cópia de segurança.");
      else
        texto = QStringLiteral("Restauração da cópia de segurança cancelada.");
      if (!m_motivo.isEmpty() && m_codigo != RestauracaoCopia::kConflito) texto += QStringLiteral("\n\n") + m_motivo;
      m_label4->setText(texto);
      break;
    }
    case 6:
      m_label9->setText(TextoConfirmacao(m_quantidadeAtual, m_quantidadeArquivo));
      HabilitaAvancar(true);
      break;
  }
}

bool TFormAssistRestCopSeg::PodeAvancar(int indice) {
  if (indice != 2) return true;
  if (!ConfereArquivoCopia()) return false;
  DefineNomeArquivo();
  const QString banco = RestauraBase() ? QString() : NomesCopia::NomeBancoDaCopia(m_arquivo);
  if (!banco.isEmpty() && QFileInfo::exists(Pastas::dados() + u'/' + banco))
    return MostraMensagem(QStringLiteral("Esta declaração já consta no banco, deseja sobrescrevê-la?"),
                          QStringLiteral("Restaurar"), 36) == ResultadoMensagem::Sim;
  return true;
}

bool TFormAssistRestCopSeg::ConfereArquivoCopia() {
  const QString texto = m_edArquivo->text().trimmed();
  if (texto.isEmpty()) {
    HabilitaAvancar(false);
    return false;
  }
  const QFileInfo info(texto);
  if (!QDir::isAbsolutePath(texto) || !info.exists() || info.isDir()) {
    ExibeMensagem(QStringLiteral("Informe o arquivo para restauração de cópia de segurança."), TipoMensagem::Erro);
    return false;
  }
  const auto [pasta, nome] = Separa(texto);
  if (!QFileInfo(pasta).isDir()) {
    ExibeMensagem(TErro::FormataMensagem(kMensagemPastaInexistente, {}), TipoMensagem::Erro);
    m_edArquivo->clear();
    m_dirDefault = RemoveBarraFinal(ConfiguracoesTolv::DirCsDefault(ConfiguracoesTolv::AssistenteCopia::Restauracao));
    return false;
  }
  m_dirDefault = RemoveBarraFinal(pasta);
  m_arquivo = Junta(pasta, nome);
  return true;
}

void TFormAssistRestCopSeg::BtnProcurarClick() {
  TZUQOpenDialogBox* dialogo = TZUQOpenDialogBox::Instancia();
  const QString texto = m_edArquivo->text().trimmed();
  const QString pastaTexto = QFileInfo(texto).isDir() ? texto : Separa(texto).first;
  dialogo->SetInitialDir(!texto.isEmpty() && QFileInfo(pastaTexto).isDir() ? pastaTexto
                         : QFileInfo(m_dirDefault).isDir()                 ? m_dirDefault
                                                                           : DiretorioPrograma());
  dialogo->SetFilter(RestauraBase() ? QStringLiteral("Cópias de segurança da base de dados (*.cmp)")
                                    : QStringLiteral("Cópias de segurança de declaração (*.dbk)"));
  dialogo->SetFilterIndex(1);
  dialogo->SetFileName(QFileInfo(texto).isDir() ? QString() : Separa(texto).second);
  if (dialogo->Execute()) m_edArquivo->setText(dialogo->FileName());
  if (!m_edArquivo->text().isEmpty()) {
    const auto [pasta, nome] = Separa(m_edArquivo->text());
    m_dirDefault = RemoveBarraFinal(pasta);
    m_arqDefault = nome;
    DefineNomeArquivo();
    if (PaginaAtual() == 2) HabilitaAvancar(true);
  }
}

bool TFormAssistRestCopSeg::ProcessaPasso(int passo) {
  switch (passo) {
    case 1:
      VerificaIndice();
      m_edArquivo->clear();
      return true;
    case 2:
      PassoArquivo();
      return true;
    case 3:
      return PassoExtracao();
    case 7:
      return PassoRestauracao();
  }
  return true;
}

void TFormAssistRestCopSeg::PassoArquivo() {
  VerificaIndice();
  TZUQOpenDialogBox* dialogo = TZUQOpenDialogBox::Instancia();
  const QString texto = m_edArquivo->text().trimmed();
  const bool propoe = !RestauraBase() || texto.isEmpty() || texto.contains(NomesCopia::kExtensaoDeclaracao.mid(1), Qt::CaseInsensitive);
  if (propoe) {
    if (!RestauraBase()) dialogo->SetFileName(QString());
    if (!m_dirUltimo.isEmpty()) {
      dialogo->SetFileName(m_arqUltimo);
      m_arquivo = Junta(m_dirUltimo, m_arqUltimo);
      // One declaration: the folder only; the user picks the declaration's archive in it.
      m_edArquivo->setText(RestauraBase() ? m_arquivo : m_dirUltimo);
    }
  }
  if (m_dirDefault.isEmpty() || !QFileInfo(m_dirDefault).isDir()) {
    m_edArquivo->clear();
    m_dirDefault.clear();
  }
  HabilitaAvancar(!m_edArquivo->text().isEmpty());
}

bool TFormAssistRestCopSeg::PassoExtracao() {
  m_gaugeTotal->setRange(0, 100);
  m_gaugeTotal->setValue(0);
  m_label2->setText(QStringLiteral("Descompactando cópia de segurança..."));
  m_codigo = 0;
  m_motivo.clear();
  m_restauracao = std::make_unique<RestauracaoCopia>(RestauraBase() ? RestauracaoCopia::Tipo::Base
                                                                    : RestauracaoCopia::Tipo::Declaracao);
  RestauracaoCopia::Resultado r;
  try {
    r = m_restauracao->Extrai(m_arquivo, [this](int p) {
      m_gaugeTotal->setValue(p);
      PaginaCopia::ProcessaEventos();
    });
  } catch (const std::exception& e) {
    RestauracaoCopia::LimpaTemp();
    r = {0, false, QString::fromLocal8Bit(e.what())};
  }
  m_codigo = r.codigo;
  m_motivo = r.mensagem;
  if (!r.ok) return false;
  m_gaugeTotal->setValue(100);
  if (RestauraBase()) {
    m_quantidadeAtual = 0;
    if (!FalhaBancoIndice) {
      TColecaoTolv indice;
      if (!FalhaBancoIndice) m_quantidadeAtual = std::max(0, indice.GetTotal());
    }
    m_quantidadeArquivo = m_restauracao->QuantidadeArquivo();
  }
  return true;
}

bool TFormAssistRestCopSeg::PassoRestauracao() {
  if (!m_restauracao) return false;
  m_gauge2->setRange(0, std::max(1, m_restauracao->QuantidadeArquivo() + 1));
  m_gauge2->setValue(0);
  RestauracaoCopia::Resultado r;
  try {
    r = RestauraBase() ? m_restauracao->RestauraBase([this] {
                           m_gauge2->setValue(m_gauge2->value() + 1);
                           PaginaCopia::ProcessaEventos();
                         })
                       : m_restauracao->RestauraDeclaracao();
  } catch (const std::exception& e) {
    RestauracaoCopia::LimpaTemp();
    r = {1, false, QString::fromLocal8Bit(e.what())};
  }
  m_codigo = r.codigo;
  m_motivo = r.mensagem;
  if (r.codigo == RestauracaoCopia::kConflito) m_label3->setText(r.mensagem);
  m_gauge2->setValue(m_gauge2->maximum());
  return r.ok;
}

void TFormAssistRestCopSeg::CancelBtnClick() {
  if (IndiceAtual() == 3 && m_restauracao) m_restauracao->Cancela();
  TFormAssistNovo::CancelBtnClick();
}

bool ExecutaRestauracaoCopia(QWidget* dono) {
  TFormAssistRestCopSeg assistente(dono);
  return assistente.exec() == QDialog::Accepted;
}
