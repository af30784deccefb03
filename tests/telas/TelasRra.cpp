#include <QCheckBox>
#include <QComboBox>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

#include "Telas.h"
#include "controles/PaletaTolv.h"
#include "controles/TTolvButton.h"
#include "controles/TTolvCustomInplaceEdit.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "secoes/TTolvGridRra.h"
#include "secoes/TfrmPesquisarRra.h"
#include "secoes/TfrmRra.h"
#include "secoes/TzuqRra.h"
#include "secoes/TzuqRraDAO.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

// Points the shared declaration connection at the pictures' declaration.
class Abertura : public TColecao {
 public:
  explicit Abertura(const QString& arquivo) { AbrirBancoDeclaracao(arquivo, false); }

 protected:
  void AbreConsulta(bd::Consulta&) override {}
};

QString Cpf(const char* base) { return QString::fromLatin1(base) + TCpf::CalculaDVCpf(QString::fromLatin1(base)); }

Valor C(int64_t centavos) { return Valor::deCentavos(centavos); }

// A labour-court award paid over a year, with costs and the months it refers to.
void PreencheItem(TzuqRra& item, const char* cpf, const char* nome, int64_t base) {
  item.GetBeneficiario().SetNi(Cpf(cpf));
  item.GetBeneficiario().GetNome().SetValor(QString::fromUtf8(nome));
  item.GetNatureza().SetValor(QStringLiteral("Diferenças salariais"));
  if (item.GetTipo() == 2) {
    item.GetProcesso().SetValor(QStringLiteral("00012345620135010001"));
    item.GetAdvogado().SetNi(QStringLiteral("11222333000181"));
    item.GetAdvogado().GetNome().SetValor(QStringLiteral("SOUZA E REIS ADVOGADOS ASSOCIADOS"));
  }
  TValoresRra& v = item.GetValores();
  for (int mes = 1; mes <= 12; mes += 2) {
    const int64_t rendimento = base + mes * 13750;
    v.GetRendimento(mes).SetValorMonetario(C(rendimento));
    v.GetDeducaoPO(mes).SetValorMonetario(C(rendimento * 11 / 100));
    v.GetRetido(mes).SetValorMonetario(C(rendimento * 15 / 100));
    v.GetMeses(mes).SetValorMonetario(Valor::deTexto(QStringLiteral("2,5")));
  }
  v.GetDeducaoPA(3).SetValorMonetario(C(120000));
  v.GetCustas(5).SetValorMonetario(C(350000));
}

// The page inside a frame the size of the page container's place.
struct Pagina {
  explicit Pagina(uint8_t tipo) {
    janela.setFont(PaletaTolv::arial(8));
    PaletaTolv::pinta(&janela, PaletaTolv::kFundo);
    auto* l = new QVBoxLayout(&janela);
    l->setContentsMargins(0, 0, 0, 0);
    editor = new TfrmRra(tipo, &janela);
    l->addWidget(editor);
    janela.resize(640, 600);
  }
  QWidget janela;
  TfrmRra* editor = nullptr;
};

}  // namespace

TOLV_TELAS(Rra) {
  ctx.pasta().copiaBanco(QStringLiteral("TOLV2014PD.FDB"), kBanco);
  TTolv tolv;
  tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  {
    Abertura abertura(kBanco);
    TzuqRraDAO& dao = TzuqRraDAO::DaDeclaracao(tolv);
    const char* const nomes[] = {"JOSÉ DA SILVA SAURO", "ANA MARIA DE OLIVEIRA", "PEDRO ALVES CABRAL"};
    const char* const cpfs[] = {"111222333", "111222444", "555666777"};
    for (int i = 0; i < 3; ++i) {
      TzuqRra item(&tolv, 1);
      PreencheItem(item, cpfs[i], nomes[i], 1500000 + i * 250000);
      dao.Salva(item);
    }
    TzuqRra justica(&tolv, 2);
    PreencheItem(justica, cpfs[0], nomes[0], 4200000);
    justica.GetInMolestia().SetValor(QStringLiteral("S"));
    justica.GetDataLaudo().SetValor(QStringLiteral("15/05/2013"));
    for (int mes = 6; mes <= 12; ++mes) justica.GetValores().GetMolestia(mes).SetValorMonetario(C(310000));
    dao.Salva(justica);

    {
      // The declarant's page on its second item.
      Pagina p(1);
      p.editor->Inicializa(tolv);
      p.editor->Ativa();
      p.editor->Primeiro();
      p.editor->Proximo();
      ctx.salva(p.janela, "TfrmRra");

      // A new item being keyed: the counter past the last one, an amount typed in the grid.
      p.editor->Inclui();
      p.editor->Grade()->setFocus();
      p.editor->Grade()->SelecionaCelula(1, 2);
      p.editor->Grade()->AbreEditor();
      p.editor->Grade()->Editor()->setText(QStringLiteral("2500,5"));
      ctx.salva(p.janela, "TfrmRra-novo");
      p.editor->Grade()->FechaEditor(false);
      p.editor->Finaliza();
    }
    {
      // The court's page: serious illness with its report date, and a special situation in
      // September that locks the months after it.
      tolv.SetMesEvento(9);
      Pagina p(2);
      p.editor->Inicializa(tolv);
      p.editor->Ativa();
      p.editor->Ultimo();
      p.editor->Anterior();
      ctx.salva(p.janela, "TfrmRra-estado");
      p.editor->Finaliza();
      tolv.SetMesEvento(99);
    }
    {
      TTolvGridRra grade;
      TzuqRra item(&tolv, 1);
      PreencheItem(item, cpfs[1], nomes[1], 980000);
      grade.SetRra(&item);
      QWidget moldura;
      moldura.setFont(PaletaTolv::arial(8));
      PaletaTolv::pinta(&moldura, PaletaTolv::kFundo);
      grade.setParent(&moldura);
      grade.move(8, 8);
      moldura.resize(grade.width() + 16, grade.height() + 16);
      ctx.salva(moldura, "TTolvGridRra");
      grade.SetRra(nullptr);
      grade.setParent(nullptr);
    }
    {
      TfrmPesquisarRra pesquisa(0, [](const QString&) {});
      pesquisa.findChild<QComboBox*>(QStringLiteral("cbbNome"))->setEditText(QStringLiteral("a"));
      pesquisa.ExecutaPesquisa();
      ctx.salva(pesquisa, "TfrmPesquisarRra");
    }
    {
      TfrmPesquisarRra pesquisa(1, [](const QString&) {});
      pesquisa.findChild<QComboBox*>(QStringLiteral("cbbCriterioNIAdv"))->setCurrentIndex(4);
      pesquisa.ExecutaPesquisa();
      ctx.salva(pesquisa, "TfrmPesquisarRra-estado");
    }
    tolv.LiberaItens();
  }
  TColecao::FechaConexoes();
}
