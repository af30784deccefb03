#include "copia/TFormAssistCopSeg.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QToolButton>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "controles/AreaTrabalho.h"
#include "controles/PaletaTolv.h"
#include "controles/TGradeDeclaracoes.h"
#include "controles/TTolvButton.h"
#include "controles/TZUQSaveDialogBox.h"
#include "copia/NomesCopia.h"
#include "copia/PaginaCopia.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Cnpj.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Cpf.h"
#include "nucleo/Diretorios.h"
#include "nucleo/Erros.h"
#include "nucleo/RegistroTolv.h"
#include "nucleo/TColecao.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/sistema/Unidades.h"

namespace {

constexpr int kAjuda = 11090;
constexpr int kAjudaLista = 12600;
constexpr int kMensagemCriarPasta = 302;
const QString kTitulo = QStringLiteral("Gravação de cópia de segurança");
const QString kCaminhoInvalido = QStringLiteral("O caminho selecionado não é válido");

void Erro(const QString& texto) { ExibeMensagem(texto, TipoMensagem::Erro); }

// The folder part of a typed path (without its last '/') and the name after it.
std::pair<QString, QString> Separa(const QString& caminho) {
  const qsizetype barra = caminho.lastIndexOf(u'/');
  if (barra < 0) return {QString(), caminho};
  return {barra == 0 ? QStringLiteral("/") : caminho.left(barra), caminho.mid(barra + 1)};
}

QString Junta(const QString& pasta, const QString& nome) {
  return pasta.endsWith(u'/') ? pasta + nome : pasta + u'/' + nome;
}

class EstadoCS : public TEstadoNovo {
 public:
  EstadoCS(TFormAssistNovo* dono, int pagina, TFormAssistCopSeg* assistente)
      : TEstadoNovo(dono, pagina), m_assistente(assistente) {}

  void Entra() override {
    const bool ok = m_assistente->ProcessaPasso(Pagina());
    if (Pagina() == 4 && !ok) {
      m_assistente->MarcaErro(true);
      SetProximo(6);
    }
  }

  bool TrataEvento(int evento) override {
    if (evento == EventoAssistente::Cancelar) {
      SetProximo(RotaAssistente::Cancela);
      return false;
    }
    const bool concluir = evento == EventoAssistente::Concluir;
    switch (Pagina()) {
      case 1:
        SetProximo(m_assistente->CopiaBase() ? 2 : 7);
        return concluir;
      case 7:
        SetProximo(2);
        return concluir;
      case 2:
        SetProximo(m_assistente->Disquete() ? 3 : 4);
        return !(m_assistente->Disquete() && !concluir);
      case 3:
        SetProximo(4);
        return true;
      case 4:
        SetProximo(SemErro() ? 5 : 6);
        return false;
      case 5:
        SetProximo(RotaAssistente::Conclui);
        return false;
      default:
        SetProximo(RotaAssistente::Cancela);
        return false;
    }
  }

 private:
  TFormAssistCopSeg* m_assistente;
};

}  // namespace

TFormAssistCopSeg::TFormAssistCopSeg(QWidget* dono) : TFormAssistNovo(dono) {
  setObjectName(QStringLiteral("FormAssistCopSeg"));
  setWindowTitle(kTitulo);
  resize(600, 420);
  criaPaginas();
  for (int p = 1; p <= 7; ++p) CriaEstado<EstadoCS>(p, this);

  using ConfiguracoesTolv::AssistenteCopia;
  m_dirDefault = RemoveBarraFinal(ConfiguracoesTolv::DirCsDefault(AssistenteCopia::Copia));
  m_dirUltimo = RemoveBarraFinal(ConfiguracoesTolv::DirCsUltimo(AssistenteCopia::Copia));
  m_arqDefault = ConfiguracoesTolv::ArqCsDefault(AssistenteCopia::Copia);
  m_arqUltimo = ConfiguracoesTolv::ArqCsUltimo(AssistenteCopia::Copia);
  TZUQSaveDialogBox* dialogo = TZUQSaveDialogBox::Novo();
  dialogo->SetFileName(m_arqDefault);
  m_destino = Junta(m_dirDefault, m_arqDefault);
  DefineAjudaBotoes(kAjuda);
  ExecutaEstado();
}

TFormAssistCopSeg::~TFormAssistCopSeg() { FechaDeclaracoes(); }

void TFormAssistCopSeg::criaPaginas() {
  {
    QWidget* p = CriaPainel(1);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    l->addWidget(PaginaCopia::Texto(p, QStringLiteral("Escolha a opção desejada:")));
    m_rbCopBanco = new QRadioButton(QStringLiteral("Cópia de Segurança do Banco de Dados"), p);
    m_rbCopBanco->setObjectName(QStringLiteral("RBCopBanco"));
    m_rbCopBanco->setChecked(true);
    m_rbCopDec = new QRadioButton(QStringLiteral("Cópia de Segurança de uma Declaração"), p);
    m_rbCopDec->setObjectName(QStringLiteral("RBCopDec"));
    l->addSpacing(8);
    l->addWidget(m_rbCopBanco);
    l->addWidget(m_rbCopDec);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(7);
    p->setProperty("HelpContext", kAjudaLista);
    QVBoxLayout* l = PaginaCopia::Prepara(p, QStringLiteral("Escolha a declaração"));
    auto* filtros = new QGridLayout;
    filtros->setHorizontalSpacing(8);
    auto edit = [p](const char* nome, int maximo) {
      auto* e = new QLineEdit(p);
      e->setObjectName(QString::fromLatin1(nome));
      e->setMaxLength(maximo);
      return e;
    };
    m_edtCPFCNPJ = edit("edtCPFCNPJ", 14);
    m_edtNome = edit("edtNome", 150);
    m_edtAnoCalendario = edit("edtAnoCalendario", 4);
    const auto* digitos = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), p);
    m_edtCPFCNPJ->setValidator(digitos);
    m_edtAnoCalendario->setValidator(digitos);
    filtros->addWidget(new QLabel(QStringLiteral("CPF/CNPJ"), p), 0, 0);
    filtros->addWidget(new QLabel(QStringLiteral("Nome/Nome empresarial"), p), 0, 1);
    filtros->addWidget(new QLabel(QStringLiteral("Ano"), p), 0, 2);
    filtros->addWidget(m_edtCPFCNPJ, 1, 0);
    filtros->addWidget(m_edtNome, 1, 1);
    filtros->addWidget(m_edtAnoCalendario, 1, 2);
    filtros->setColumnStretch(1, 1);
    m_edtCPFCNPJ->setFixedWidth(130);
    m_edtAnoCalendario->setFixedWidth(50);
    l->addLayout(filtros);
    m_grade = new TGradeDeclaracoes(p);
    l->addWidget(m_grade, 1);
    connect(m_edtCPFCNPJ, &QLineEdit::textEdited, this, [this] { GuardaEventos::executa([this] { FiltraDeclaracoes(0); }); });
    connect(m_edtNome, &QLineEdit::textEdited, this, [this] { GuardaEventos::executa([this] { FiltraDeclaracoes(1); }); });
    connect(m_edtAnoCalendario, &QLineEdit::textEdited, this, [this] { GuardaEventos::executa([this] { FiltraDeclaracoes(2); }); });
    connect(m_grade, &QAbstractItemView::doubleClicked, this, [this] { guardado(&TFormAssistBase::BtnAvancarClick); });
  }
  {
    QWidget* p = CriaPainel(2);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    l->addWidget(PaginaCopia::Texto(p, QStringLiteral("Selecione ou digite o nome completo do arquivo de cópia de segurança")));
    auto* linha = new QHBoxLayout;
    m_edArquivo = new QLineEdit(p);
    m_edArquivo->setObjectName(QStringLiteral("EdArquivo"));
    m_btnProcurar = new TTolvButton(QStringLiteral("Procurar..."), p);
    m_btnProcurar->setObjectName(QStringLiteral("BtnProcurar"));
    m_btnProcurar->setFixedSize(90, 23);
    linha->addWidget(m_edArquivo, 1);
    linha->addWidget(m_btnProcurar);
    l->addLayout(linha);
    l->addStretch(1);
    connect(m_edArquivo, &QLineEdit::textChanged, this,
            [this](const QString& t) { if (PaginaAtual() == 2) HabilitaAvancar(!t.trimmed().isEmpty()); });
    connect(m_btnProcurar, &TTolvButton::clicked, this, [this] { GuardaEventos::executa([this] { BtnProcurarClick(); }); });
  }
  {
    QWidget* p = CriaPainel(3);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    m_label5 = PaginaCopia::Texto(p, QString(), "Label5");
    l->addWidget(m_label5);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(4);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    l->addWidget(PaginaCopia::Texto(p, QStringLiteral("Progresso da compressão")));
    m_gaugeTotal = PaginaCopia::Progresso(p, "GaugeTotal");
    l->addWidget(m_gaugeTotal);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(5);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    m_label7 = PaginaCopia::Texto(p, QString(), "Label7");
    l->addWidget(m_label7);
    l->addStretch(1);
  }
  {
    QWidget* p = CriaPainel(6);
    QVBoxLayout* l = PaginaCopia::Prepara(p, kTitulo);
    m_label1 = PaginaCopia::Texto(p, QStringLiteral("Houve um erro na geração de sua cópia de segurança."), "Label1");
    l->addWidget(m_label1);
    l->addStretch(1);
  }
}

bool TFormAssistCopSeg::CopiaBase() const { return m_rbCopBanco->isChecked(); }

const LinhaDeclaracao* TFormAssistCopSeg::DeclaracaoEscolhida() const { return m_grade->Selecionada(); }

QString TFormAssistCopSeg::NomePadraoDeclaracao() const {
  const LinhaDeclaracao* d = DeclaracaoEscolhida();
  return d ? NomesCopia::NomeCopiaDeclaracao(d->numeroBase, d->ano) : QString();
}

void TFormAssistCopSeg::MostraPagina(int pagina) {
  MostraPainel(pagina);
  switch (pagina) {
    case 1:
      HabilitaVoltar(false);
      HabilitaAvancar(true);
      HabilitaConcluir(false);
      HabilitaCancelar(true);
      setWindowTitle(kTitulo);
      QTimer::singleShot(0, this, [this] { (m_rbCopBanco->isChecked() ? m_rbCopBanco : m_rbCopDec)->setFocus(); });
      break;
    case 2:
      HabilitaVoltar(true);
      HabilitaAvancar(!m_edArquivo->text().trimmed().isEmpty());
      HabilitaConcluir(false);
      HabilitaCancelar(true);
      m_edArquivo->setFocus();
      break;
    case 3: {
      HabilitaVoltar(true);
      HabilitaCancelar(true);
      const int disquetes = NomesCopia::QuantidadeDisquetes(m_tamanhoTotal);
      m_label5->setText(disquetes == 1
                            ? QStringLiteral("Você precisará aproximadamente de um disquete vazio para efetuar a cópia de "
                                             "segurança. Certifique-se de que o mesmo esteja inserido na unidade selecionada")
                            : QStringLiteral("Você precisará aproximadamente de até %1 disquetes vazios para efetuar a cópia "
                                             "de segurança. Insira o primeiro na unidade selecionada")
                                  .arg(disquetes));
      break;
    }
    case 4:
      HabilitaVoltar(false);
      HabilitaAvancar(false);
      HabilitaConcluir(false);
      HabilitaCancelar(true);
      break;
    case 5:
      HabilitaVoltar(false);
      HabilitaAvancar(false);
      HabilitaConcluir(true);
      HabilitaCancelar(false);
      m_label7->setText(m_disquete ? QStringLiteral("Cópia de segurança efetuada com sucesso. Etiquete o(s) disquete(s) e "
                                                    "guarde-o(s) em lugar seguro.")
                                   : QStringLiteral("Cópia de segurança efetuada com sucesso.\n\n\nA cópia de segurança "
                                                    "foi gravada em:\n") +
                                         QDir::toNativeSeparators(m_destino));
      break;
    case 6:
      if (m_codigo == compressao::Cancelado) {
        m_label1->setText(QStringLiteral("A geração da cópia de segurança foi cancelada."));
      } else {
        QString texto = QStringLiteral("Houve um erro na geração de sua cópia de segurança.");
        if (!m_motivo.isEmpty()) texto += QStringLiteral("\n\n") + m_motivo;
        m_label1->setText(texto);
        if (m_codigo == compressao::Falhou) {
          Erro(kCaminhoInvalido + u'.');
          PassoLista();
        }
      }
      // After the list: filling the file name would offer Avançar again.
      HabilitaVoltar(false);
      HabilitaAvancar(false);
      HabilitaConcluir(true);
      HabilitaCancelar(false);
      break;
    case 7:
      HabilitaVoltar(true);
      HabilitaAvancar(true);
      HabilitaConcluir(false);
      HabilitaCancelar(true);
      if (!m_edtCPFCNPJ->text().isEmpty()) FiltraDeclaracoes(0);
      break;
  }
}

bool TFormAssistCopSeg::PodeAvancar(int indice) { return indice != 2 || ConfereDestino(); }

bool TFormAssistCopSeg::ProcessaPasso(int passo) {
  switch (passo) {
    case 2: PassoLista(); return true;
    case 4: return PassoCompressao();
    case 5: PassoConfiguracoes(); return true;
    case 7: PassoDeclaracoes(); return true;
  }
  return true;
}

void TFormAssistCopSeg::CancelBtnClick() {
  TFormAssistNovo::CancelBtnClick();
  m_compressor.CancelarCompressao();
}

void TFormAssistCopSeg::PassoLista() {
  m_lista = CopiaBase() ? CopiaSeguranca::ListaBase()
                        : DeclaracaoEscolhida() ? CopiaSeguranca::ListaDeclaracao(DeclaracaoEscolhida()->numeroBase,
                                                                                   DeclaracaoEscolhida()->ano)
                                                : CopiaSeguranca::Lista{};
  m_tamanhoTotal = m_lista.tamanhoTotal;
  const QString texto = m_edArquivo->text().trimmed();
  const QString extensao = CopiaBase() ? NomesCopia::kExtensaoBase : NomesCopia::kExtensaoDeclaracao;
  // A name typed earlier for this kind of archive stays; otherwise the last folder is proposed.
  if (texto.isEmpty() || !NomesCopia::TemExtensao(texto, extensao))
    m_edArquivo->setText(Junta(m_dirUltimo, CopiaBase() ? m_arqUltimo : NomePadraoDeclaracao()));
  m_destino = Junta(m_dirUltimo, m_arqUltimo);
  CopiaSeguranca::LiberaConexoes();
  TZUQSaveDialogBox::Instancia()->SetFileName(Separa(m_edArquivo->text().trimmed()).second);
  HabilitaAvancar(!m_edArquivo->text().trimmed().isEmpty());
}

void TFormAssistCopSeg::BtnProcurarClick() {
  const QString pasta = Junta(DiretorioPrograma(), NomesCopia::kPastaCopias);
  QDir().mkpath(pasta);
  TZUQSaveDialogBox* dialogo = TZUQSaveDialogBox::Instancia();
  dialogo->SetConfirmaSubstituicao(false);  // the wizard asks itself, once the name is final
  dialogo->SetFileName(Junta(pasta, CopiaBase() ? m_arqDefault : NomePadraoDeclaracao()));
  if (dialogo->Execute()) {
    QString nome = dialogo->FileName();
    if (CopiaBase() && !NomesCopia::TemExtensao(nome, NomesCopia::kExtensaoBase)) nome += NomesCopia::kExtensaoBase;
    if (!CopiaBase() && !NomesCopia::TemExtensao(nome, NomesCopia::kExtensaoDeclaracao))
      nome += NomesCopia::kExtensaoDeclaracao.toUpper();
    m_edArquivo->setText(nome);
  }
  dialogo->SetRaiz(AreaTrabalho::unidadePadrao());
}

bool TFormAssistCopSeg::ConfereDestino() {
  const QString texto = m_edArquivo->text().trimmed();
  if (texto.isEmpty()) {
    HabilitaAvancar(false);
    HabilitaConcluir(false);
    Erro(QStringLiteral("O nome completo do arquivo deverá ser especificado."));
    return false;
  }
  auto [pasta, nome] = Separa(texto);
  const std::optional<Unidade> unidade = QDir::isAbsolutePath(texto) ? UnidadeDoCaminho(pasta) : std::nullopt;
  if (!unidade) {
    Erro(QStringLiteral("A unidade selecionada não existe."));
    return false;
  }
  m_disquete = unidade->tipo == TipoUnidade::Disquete;
  if (nome.isEmpty()) nome = CopiaBase() ? NomesCopia::kArquivoPadrao : NomePadraoDeclaracao();
  if (CopiaBase() && !NomesCopia::TemExtensao(nome, NomesCopia::kExtensaoBase))
    nome += NomesCopia::kExtensaoBase;
  else if (!CopiaBase() && !NomesCopia::TemExtensao(nome, NomesCopia::kExtensaoDeclaracao))
    nome += NomesCopia::kExtensaoDeclaracao;
  // Windows' doubled separators have no meaning here, nor a backslash.
  if (pasta.contains(QStringLiteral("//")) || pasta.contains(u'\\')) {
    Erro(kCaminhoInvalido);
    return false;
  }
  if (unidade->tipo == TipoUnidade::CD) {
    HabilitaAvancar(false);
    HabilitaConcluir(false);
    Erro(QStringLiteral("A declaração não pode ser gravada diretamente em CD, deverá ser gravada primeiramente no disco rígido."));
    return false;
  }
  if (!unidade->pronta || !QFileInfo::exists(unidade->raiz)) {
    HabilitaAvancar(false);
    HabilitaConcluir(false);
    Erro(unidade->tipo == TipoUnidade::Fixa
             ? QStringLiteral("Mídia não está pronta para gravação. Verifique a unidade ") + pasta.toUpper()
             : QStringLiteral("Mídia não está pronta para gravação."));
    return false;
  }
  if (!QDir().mkpath(pasta)) {
    Erro(kCaminhoInvalido);
    return false;
  }
  if (!QFileInfo(pasta).isDir()) {
    HabilitaAvancar(false);
    HabilitaConcluir(false);
    Erro(TErro::FormataMensagem(kMensagemCriarPasta, {}));
    return false;
  }
  m_dirDefault = m_dirUltimo = pasta;
  m_arqDefault = m_arqUltimo = nome;
  m_destino = Junta(pasta, nome);
  m_edArquivo->setText(m_destino);
  if (QFileInfo::exists(m_destino) &&
      ExibeMensagem(QStringLiteral("Esta cópia já foi gravada, deseja sobrescrevê-la?"), TipoMensagem::Confirmacao) !=
          ResultadoMensagem::Sim)
    SetCancelado(true);
  HabilitaAvancar(true);
  HabilitaConcluir(false);
  return true;
}

void TFormAssistCopSeg::Progresso(int percentual) {
  m_gaugeTotal->setValue(percentual);
  PaginaCopia::ProcessaEventos();
}

bool TFormAssistCopSeg::PassoCompressao() {
  m_gaugeTotal->setRange(0, 100);
  m_gaugeTotal->setValue(0);
  m_codigo = compressao::Falhou;
  m_motivo.clear();
  if (const auto unidade = UnidadeDoCaminho(m_destino)) m_disquete = unidade->tipo == TipoUnidade::Disquete;
  FechaDeclaracoes();
  // Listed again: a database may have gone since page 2.
  m_lista = CopiaBase() ? CopiaSeguranca::ListaBase()
                        : DeclaracaoEscolhida() ? CopiaSeguranca::ListaDeclaracao(DeclaracaoEscolhida()->numeroBase,
                                                                                   DeclaracaoEscolhida()->ano)
                                                : CopiaSeguranca::Lista{};
  m_tamanhoTotal = m_lista.tamanhoTotal;
  CopiaSeguranca::Resultado r;
  try {
    r = CopiaSeguranca::Grava(m_lista, m_destino, m_compressor, [this](int p) { Progresso(p); });
  } catch (const std::exception& e) {
    r.mensagem = QString::fromLocal8Bit(e.what());
  }
  m_codigo = r.codigo;
  m_motivo = r.mensagem;
  m_gaugeTotal->setValue(100);
  return m_codigo == compressao::Concluido;
}

void TFormAssistCopSeg::PassoConfiguracoes() {
  if (!CopiaBase()) return;
  const auto unidade = UnidadeDoCaminho(m_dirDefault);
  const TipoUnidade tipo = unidade ? unidade->tipo : TipoUnidade::Fixa;
  if (tipo == TipoUnidade::CD) return;
  ConfiguracoesTolv::GravaDirCsUltimo(m_dirUltimo);
  ConfiguracoesTolv::GravaArqCsUltimo(m_arqUltimo);
  if (tipo == TipoUnidade::Removivel || tipo == TipoUnidade::Disquete) return;
  ConfiguracoesTolv::GravaDirCsDefault(m_dirDefault);
  ConfiguracoesTolv::GravaArqCsDefault(m_arqDefault);
  RegistroTolv::GravaDirCsDefault(m_dirDefault);
}

void TFormAssistCopSeg::FechaDeclaracoes() {
  if (!m_indice) return;
  try {
    m_indice->desconecta();
  } catch (const bd::ErroBanco&) {
    // The attachment goes with the object either way.
  }
  m_indice.reset();
}

void TFormAssistCopSeg::AbreDeclaracoes(const QString& sql, const QStringList& filtros, const QStringList& valores) {
  if (!m_indice) {
    m_indice = std::make_unique<bd::Conexao>(TColecao::ArquivoIndice());
    m_indice->conecta();
  }
  QString texto = sql;
  if (!filtros.isEmpty()) texto += QStringLiteral("\nwhere ") + filtros.join(QStringLiteral(" AND "));
  texto += QStringLiteral("\norder by IN_PF_PJ, NR_PF_PJ");
  bd::Transacao transacao(*m_indice, {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                      QStringLiteral("nowait"), QStringLiteral("read")});
  bd::Consulta consulta(transacao, texto);
  for (int i = 0; i < valores.size(); ++i) consulta.param(QStringLiteral("F%1").arg(i), valores[i]);
  consulta.abre();
  std::vector<LinhaDeclaracao> linhas = TModeloDeclaracoes::Le(consulta);
  consulta.fecha();
  transacao.commit();
  m_grade->Mostra(std::move(linhas));
}

void TFormAssistCopSeg::PassoDeclaracoes() {
  m_edtCPFCNPJ->setFocus();
  try {
    AbreDeclaracoes(QStringLiteral("select TOLV_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, AN_RETENCA from TOLVS"), {}, {});
  } catch (const bd::ErroBanco& e) {
    FechaDeclaracoes();
    m_grade->Mostra({});
    Erro(QStringLiteral("Não foi possível abrir a consulta. Mensagem retornada: ") + e.mensagem());
  }
  HabilitaAvancar(m_grade->Modelo().rowCount() > 0);
  HabilitaConcluir(false);
}

bool TFormAssistCopSeg::DigitoVerificadorConfere(const QString& texto) {
  const qsizetype n = texto.size();
  if (n == 10 || n == 11) {
    const QString dv = TCpf::CalculaDVCpf(texto.left(9));
    return !dv.isEmpty() && texto.mid(9) == dv.left(n - 9);
  }
  if (n == 13 || n == 14) {
    const QString dv = TCnpj::CalculaDVCnpj(texto.left(12));
    return !dv.isEmpty() && texto.mid(12) == dv.left(n - 12);
  }
  return false;
}

void TFormAssistCopSeg::FiltraDeclaracoes(int origem) {
  HabilitaAvancar(true);
  if (origem == 0 && DigitoVerificadorConfere(m_edtCPFCNPJ->text())) return;
  auto semCuringas = [](QString t) {
    return t.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("\\%")).replace(u'_', QStringLiteral("\\_"));
  };
  QStringList filtros, valores;
  if (!m_edtCPFCNPJ->text().isEmpty()) {
    filtros << QStringLiteral("NR_PF_PJ LIKE :F%1 ESCAPE '\\'").arg(valores.size());
    valores << semCuringas(m_edtCPFCNPJ->text()) + u'%';
  }
  if (!m_edtNome->text().isEmpty()) {
    filtros << QStringLiteral("Upper(NM_NM_EMPR) LIKE :F%1 ESCAPE '\\'").arg(valores.size());
    valores << semCuringas(m_edtNome->text().toUpper()) + u'%';
  }
  if (!m_edtAnoCalendario->text().isEmpty()) {
    filtros << QStringLiteral("AN_RETENCA LIKE :F%1 ESCAPE '\\'").arg(valores.size());
    valores << semCuringas(m_edtAnoCalendario->text()) + u'%';
  }
  std::vector<LinhaDeclaracao> anteriores = m_grade->Modelo().Linhas();
  const int selecionada = m_grade->currentIndex().row();
  try {
    AbreDeclaracoes(QStringLiteral("select TOLV_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, AN_RETENCA, DATA_GERA, IN_STATUS from TOLVS"),
                    filtros, valores);
  } catch (const bd::ErroBanco& e) {
    m_grade->Mostra(std::move(anteriores));
    Erro(QStringLiteral("Não foi possível abrir a consulta. Mensagem retornada: ") + e.mensagem());
    return;
  }
  if (m_grade->Modelo().rowCount() > 0) return;
  // Nothing matches: the list the user saw comes back.
  m_grade->Mostra(std::move(anteriores));
  m_grade->Seleciona(std::max(0, selecionada));
  HabilitaAvancar(false);
  AvisaDeclaracaoInexistente(origem);
}

bool ExecutaCopiaSeguranca(QWidget* dono) {
  TFormAssistCopSeg assistente(dono);
  return assistente.exec() == QDialog::Accepted;
}
