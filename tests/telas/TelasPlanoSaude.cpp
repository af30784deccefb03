#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>

#include "Telas.h"
#include "controles/PaletaTolv.h"
#include "controles/TTolvCustomInplaceEdit.h"
#include "controles/TTolvEdit.h"
#include "nucleo/Cpf.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "plataforma/sistema/Pastas.h"
#include "secoes/TGradeDependentes.h"
#include "secoes/TTitularesOperadora.h"
#include "secoes/TfrmPesquisarPlanoSaude.h"
#include "secoes/TfrmPesquisarPlanoSaudeTitular.h"
#include "secoes/TfrmPlanoSaude.h"
#include "secoes/TzuqDependentePlanoSaude.h"
#include "secoes/TzuqDependentePlanoSaudeDAO.h"
#include "secoes/TzuqPlanoSaude.h"
#include "secoes/TzuqPlanoSaudeDAO.h"
#include "secoes/TzuqTitularPlanoSaude.h"
#include "secoes/TzuqTitularPlanoSaudeDAO.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

class Abertura : public TColecao {
 public:
  explicit Abertura(const QString& arquivo) { AbrirBancoDeclaracao(arquivo, false); }

 protected:
  void AbreConsulta(bd::Consulta&) override {}
};

QString Cpf(const char* base) { return QString::fromLatin1(base) + TCpf::CalculaDVCpf(QString::fromLatin1(base)); }

// Two operators; the first with three holders, the second of which has two dependants.
int Preenche(TTolv& tolv) {
  TzuqPlanoSaudeDAO operadoras;
  TzuqTitularPlanoSaudeDAO titulares;
  TzuqDependentePlanoSaudeDAO dependentes;
  TzuqPlanoSaude outra(tolv);
  outra.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
  outra.GetContribuinte().GetNome().SetValor(QStringLiteral("VIDA PLENA ASSISTENCIA MEDICA SA"));
  outra.GetRegistroAns().SetValor(QStringLiteral("000060"));
  operadoras.Inclui(outra);
  TzuqPlanoSaude op(tolv);
  op.GetContribuinte().SetNi(QStringLiteral("11222333000181"));
  op.GetContribuinte().GetNome().SetValor(QStringLiteral("SAUDE BOA OPERADORA DE PLANOS LTDA"));
  op.GetRegistroAns().SetValor(QStringLiteral("123455"));
  operadoras.Inclui(op);
  const struct {
    const char* cpf;
    const char* nome;
    int64_t centavos;
  } pessoas[] = {{"529982247", "ANA MARIA DE SOUZA", 482350}, {"111444777", "BRUNO LIMA FERREIRA", 356000},
                 {"987654321", "CARLOS EDUARDO PRADO", 129990}};
  int chave = 0;
  for (const auto& pessoa : pessoas) {
    TzuqTitularPlanoSaude t(op);
    t.GetContribuinte().SetNi(Cpf(pessoa.cpf));
    t.GetContribuinte().GetNome().SetValor(QString::fromLatin1(pessoa.nome));
    t.GetValorPago().SetValorMonetario(Valor::deCentavos(pessoa.centavos));
    titulares.Inclui(t);
    if (pessoa.centavos != 356000) continue;
    chave = t.GetId();
    TzuqDependentePlanoSaude filho(t);
    filho.GetContribuinte().SetNi(Cpf("123456789"));
    filho.GetContribuinte().GetNome().SetValor(QStringLiteral("MARINA LIMA FERREIRA"));
    filho.SetDataNascimento(QStringLiteral("20080412"));
    filho.SetCdRelacaoDependencia(QStringLiteral("04"));
    filho.GetValorPago().SetValorMonetario(Valor::deCentavos(178000));
    dependentes.Inclui(filho);
    TzuqDependentePlanoSaude conjuge(t);
    conjuge.GetContribuinte().GetNome().SetValor(QStringLiteral("PAULA LIMA FERREIRA"));
    conjuge.SetDataNascimento(QStringLiteral("19791130"));
    conjuge.SetCdRelacaoDependencia(QStringLiteral("03"));
    conjuge.GetValorPago().SetValorMonetario(Valor::deCentavos(211075));
    dependentes.Inclui(conjuge);
  }
  return chave;
}

}  // namespace

TOLV_TELAS(PlanoSaude) {
  PastaProgramaTemp& pasta = ctx.pasta();
  pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), kBanco);
  Abertura abertura(kBanco);
  TTolv tolv;
  tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
  tolv.SetAnoCalendario(QStringLiteral("2013"));

  {
    QWidget janela;
    janela.resize(860, 600);
    PaletaTolv::pinta(&janela, PaletaTolv::kFundo);
    auto* layout = new QVBoxLayout(&janela);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* pagina = new TfrmPlanoSaude(&janela);
    layout->addWidget(pagina);
    TContextoPagina contexto;
    contexto.declaracao = &tolv;
    pagina->Inicializa(contexto);
    ctx.salva(janela, "TfrmPlanoSaude-vazio");

    const int titular = Preenche(tolv);
    pagina->Finaliza();
    pagina->Inicializa(contexto);
    pagina->Posicionar(QString::number(titular), QStringLiteral("55"), QStringLiteral("cpf"));
    ctx.salva(janela, "TfrmPlanoSaude");

    // A new dependant being typed.
    pagina->IncluiDependente();
    TGradeDependentes& grade = pagina->Grade();
    grade.VaiPara(grade.Dependentes().Quantidade() - 1, TModeloDependentes::ColNome);
    grade.AbreEditor();
    grade.Editor()->setText(QStringLiteral("JOAO LIMA"));
    ctx.salva(janela, "TfrmPlanoSaude-dependente");
    grade.FechaEditor(false);
    pagina->DesfazDependente();

    {
      TfrmPesquisarPlanoSaude d(&janela);
      d.Prepara(pagina->Operadoras(), {});
      d.isfCNPJ->setText(QStringLiteral("11"));
      d.Executar();
      ctx.salva(d, "TfrmPesquisarPlanoSaude");
    }
    {
      TfrmPesquisarPlanoSaudeTitular d(&janela);
      d.Prepara(pagina->Titulares(), pagina->Operadora().GetId(), {});
      d.Executar();
      ctx.salva(d, "TfrmPesquisarPlanoSaudeTitular");
      d.isfNome->setText(QStringLiteral("Z"));
      d.Executar();
      ctx.salva(d, "TfrmPesquisarPlanoSaudeTitular-vazio");
    }
    pagina->Finaliza();
  }
  TColecao::FechaConexoes();
}
