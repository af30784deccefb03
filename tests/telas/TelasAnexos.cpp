#include <QVBoxLayout>
#include <QWidget>
#include <QCheckBox>
#include <QComboBox>

#include "Telas.h"
#include "controles/PaletaTolv.h"
#include "interface/TFrBeneficiarios.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TfrmPesquisarFundo.h"
#include "interface/TfrmPesquisarProcesso.h"
#include "nucleo/Cpf.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

// A declarant of its own: the other groups keep theirs.
const QString kBanco = QStringLiteral("TOLV2014112223330001812013.FDB");

QString Cpf(const char* base) { return QString::fromLatin1(base) + TCpf::CalculaDVCpf(QString::fromLatin1(base)); }

// Two funds and two processes, a few lines each.
void Preenche(TTolv& tolv, PastaProgramaTemp& pasta) {
  pasta.roda(kBanco, QStringLiteral(
                         "INSERT INTO FONTES VALUES (2, '2', '123456780001', 'FUNDO DE INVESTIMENTO ALFA RENDA FIXA', 0,"
                         " NULL, NULL, NULL, '0');"
                         "INSERT INTO FONTES VALUES (3, '2', '987654320001', 'CLUBE DE INVESTIMENTO BETA', 0, NULL, NULL,"
                         " NULL, '0');"
                         "INSERT INTO FONTES VALUES (4, '2', '00012345620135010001', '', 1, '2', '556677880001',"
                         " 'ADVOCACIA GAMA E ASSOCIADOS', '1');"
                         "INSERT INTO FONTES VALUES (5, '2', '12345678901234567', '', 1, '1', '529982247',"
                         " 'MARIA APARECIDA ADVOGADA', '2');"
                         "ALTER SEQUENCE GEN_FONTE_DK RESTART WITH 5;"
                         "INSERT INTO RESUMOS (E_FONTE_DK, OK) VALUES (2, 1);"
                         "INSERT INTO RESUMOS (E_FONTE_DK, OK) VALUES (3, 1);"
                         "INSERT INTO RESUMOS (E_FONTE_DK, OK) VALUES (4, 1);"
                         "INSERT INTO RESUMOS (E_FONTE_DK, OK) VALUES (5, 1);"));
  const struct {
    const char* fonte;
    int16_t tipo;
    const char* cpf;
    const char* nome;
    const char* codigo;
  } linhas[] = {{"2", TAnexoFC::kFundo, "111222333", "JOSÉ DA SILVA SAURO", "6800"},
                {"2", TAnexoFC::kFundo, "444555666", "ANA MARIA DE OLIVEIRA", "6800"},
                {"4", TAnexoFC::kProcesso, "777888999", "PEDRO HENRIQUE COSTA", "5928"}};
  for (const auto& l : linhas) {
    TAnexoFC dono(tolv, l.tipo);
    dono.SetFonteDK(QString::fromLatin1(l.fonte));
    dono.SetTipoProcesso(l.tipo == TAnexoFC::kProcesso ? 0 : TAnexoFC::kSemJustica);
    dono.GetResumo().Zera();
    TTolvItem linha(tolv, dono);
    linha.SetIndicadorAnexo(QStringLiteral("1"));
    linha.SetLinhaProcesso(l.tipo == TAnexoFC::kProcesso ? 1 : 0);
    linha.GetBeneficiario().SetNi(Cpf(l.cpf));
    linha.GetBeneficiario().GetNome().SetValor(QString::fromUtf8(l.nome));
    linha.GetCodigoRetencao().SetCodigo(QString::fromLatin1(l.codigo));
    for (int mes = 1; mes <= 12; ++mes) {
      linha.GetTributaveis().GetSerie(TRendimentosTributaveis::kRendimento).Mes(mes).SetValorMonetario(
          Valor::deCentavos(150000 + mes * 1000));
      linha.GetTributaveis().GetSerie(TRendimentosTributaveis::kRetido).Mes(mes).SetValorMonetario(
          Valor::deCentavos(22500));
    }
    dono.GetItens().SetModoLista(false);
    dono.GetItens().Grava(linha);
    dono.LiberaItens();
  }
  pasta.roda(kBanco, QStringLiteral("UPDATE RESUMOS R SET TOT_BENEF = (SELECT COUNT(*) FROM TOLV_ITENS I "
                                    "WHERE I.E_FONTE_DK = R.E_FONTE_DK) WHERE R.E_FONTE_DK > 1;"));
}

struct Pagina {
  explicit Pagina(TFrBeneficiarios::Modo modo) {
    janela.setFont(PaletaTolv::arial(8));
    PaletaTolv::pinta(&janela, PaletaTolv::kFundo);
    auto* l = new QVBoxLayout(&janela);
    l->setContentsMargins(0, 0, 0, 0);
    pagina = new TFrBeneficiarios(modo, &janela);
    l->addWidget(pagina);
    janela.resize(640, 720);
  }
  QWidget janela;
  TFrBeneficiarios* pagina = nullptr;
};

}  // namespace

TOLV_TELAS(Anexos) {
  ctx.pasta().copiaBanco(QStringLiteral("TOLV2014PD.FDB"), kBanco);
  TTolv tolv;
  tolv.GetContribuinte().SetNi(QStringLiteral("11222333000181"));
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  tolv.SetTolvDK(QStringLiteral("1"));
  tolv.GetResumo().Zera();
  tolv.GetResumoGeral().Zera();
  Preenche(tolv, ctx.pasta());
  {
    Pagina p(TFrBeneficiarios::Modo::Fundo);
    p.pagina->Inicializa(tolv);
    NoCorrente = 301;
    p.pagina->MoveAnexo(QStringLiteral("PRI"));
    p.pagina->BbFirstClick();
    p.pagina->MostraFicha(301);
    ctx.salva(p.janela, "TFrBeneficiarios-fundo");
    p.pagina->BbAddFundoClick();
    ctx.salva(p.janela, "TFrBeneficiarios-fundo-novo");

    TfrmPesquisarFundo fundo(tolv, [](const QString&) {}, &p.janela);
    fundo.ExecutaPesquisa();
    ctx.salva(fundo, "TfrmPesquisarFundo");
    fundo.Limpa();
    ctx.salva(fundo, "TfrmPesquisarFundo-vazio");
    p.pagina->Finaliza();
  }
  {
    Pagina p(TFrBeneficiarios::Modo::Processo);
    p.pagina->Inicializa(tolv);
    NoCorrente = 401;
    p.pagina->PosicionaAnexo(QStringLiteral("4"), 1);
    p.pagina->BbFirstClick();
    p.pagina->MostraFicha(401);
    ctx.salva(p.janela, "TFrBeneficiarios-processo");
    // A person's line under the federal court's code: the illness box, ticked, and its amounts.
    if (auto* molestia = p.pagina->findChild<QCheckBox*>(QStringLiteral("chkMolestia"))) molestia->click();
    NoCorrente = 406;
    p.pagina->MostraFicha(406);
    ctx.salva(p.janela, "TFrBeneficiarios-processo-molestia");

    TfrmPesquisarProcesso processo(tolv, [](const QString&) {}, &p.janela);
    processo.show();
    processo.ExecutaPesquisa();
    ctx.salva(processo, "TfrmPesquisarProcesso");
    // The shared search dialog with nothing found: its inactive "Posicionar" in place of the real one.
    processo.Limpa();
    ctx.salva(processo, "TfrmPesquisarAnexo-vazio");
    processo.hide();
    p.pagina->Finaliza();
  }
  tolv.LiberaItens();
  TColecao::FechaConexoes();
}
