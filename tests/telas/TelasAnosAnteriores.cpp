#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>

#include "Telas.h"
#include "controles/TGradeDeclaracoes.h"
#include "nucleo/TColecao.h"
#include "nucleo/TArquivoIni.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolvItem.h"
#include "plataforma/relatorio/Relatorio.h"
#include "plataforma/sistema/Pastas.h"
#include "suporte/PastaProgramaTemp.h"
#include "validador/AnosAnterioresTeste.h"
#include "validador/ImportacaoAnosAnteriores.h"
#include "validador/RelatorioErrosComprovante.h"
#include "validador/gui/TFoAssistImportacao.h"

namespace {

using namespace anos_anteriores_teste;

const QString kAntiga = QStringLiteral("11222333000181");

QString ArquivoAntigo(const QString& pasta) {
  QStringList linhas{Registro(60, {{1, QStringLiteral("TOLV")}, {37, QStringLiteral("2008")}}),
                     Declarante(kAntiga, QStringLiteral("2008"), QStringLiteral("COMERCIAL DE ALIMENTOS ANTIGA LTDA"))};
  const char* const nomes[] = {"ANA DE SOUZA", "BIA DE SOUZA", "CAIO DE SOUZA", "DINO DE SOUZA"};
  const QString cpfs[] = {kAna, kBia, kCaio, kFinanceiro};
  for (int i = 0; i < 12; ++i)
    linhas << Beneficiario(i + 3, kAntiga, cpfs[i % 4], QString::fromLatin1(nomes[i % 4]), 123456 + i * 10000, 7890 * i);
  return EscreveLinhas(pasta, QStringLiteral("antiga.txt"), linhas);
}

QString ArquivoComprovantes(const QString& pasta) {
  return EscreveLinhas(
      pasta, QStringLiteral("comprovantes.txt"),
      {Linha(kAna, {Centavos(123456), Centavos(50000), QString(), QString(), QString(), QString(), Centavos(9900)},
             QStringLiteral("BOLSA DE ESTUDOS"), QStringLiteral("Valores pagos pela matriz")),
       Linha(kBia, {QString(15, u' '), QStringLiteral("00000000012A345")}), Linha(kFora),
       QStringLiteral("52998224725 LINHA CURTA"), Linha(kCaio, {Centavos(700)}), Linha(kAna, {Centavos(1)})});
}

void Avanca(TFoAssistImportacao& a) { a.BtnAvancar()->click(); }

}  // namespace

TOLV_TELAS(AnosAnteriores) {
  // A program folder of the pictures' own: the import writes its logs and statements there.
  auto pasta = std::make_unique<PastaProgramaTemp>(true);
  CriaDeclaracao(*pasta, kMatriz, QStringLiteral("2013"));
  const QString dir = pasta->caminho();
  const QString antigo = ArquivoAntigo(dir);
  {
    TColecaoTolv indice;
    {
      TFoAssistImportacao a(indice);
      ctx.salva(a, QStringLiteral("TFoAssistImportacao"));
      Avanca(a);
      a.findChild<QLineEdit*>(QStringLiteral("EdArquivo"))->setText(antigo);
      ctx.salva(a, QStringLiteral("TFoAssistImportacao-arquivo"));
      Avanca(a);
      ctx.salva(a, QStringLiteral("TFoAssistImportacao-declarante"));
      auto* ano = a.findChild<QComboBox*>(QStringLiteral("CbAnoRet"));
      ano->setCurrentIndex(1);
      emit ano->activated(1);
      Avanca(a);
      ctx.salva(a, QStringLiteral("TFoAssistImportacao-amostra"));
      Avanca(a);
      ctx.salva(a, QStringLiteral("TFoAssistImportacao-resumo"));
      a.hide();
    }
    {
      // A written declaration that the stand-in library takes its time with, cancelled.
      TArquivoIni::GravaString(QStringLiteral("Compressao"), QStringLiteral("Biblioteca"), QStringLiteral(TOLV_VEVIVAV_FALSA));
      QFile lenta(dir + QStringLiteral("/lenta.D10"));
      if (lenta.open(QIODevice::WriteOnly)) lenta.write("LENTO\r\nTOLVCMP\r\n");
      lenta.close();
      TFoAssistImportacao d(indice);
      Avanca(d);
      d.findChild<QLineEdit*>(QStringLiteral("EdArquivo"))->setText(lenta.fileName());
      QTimer::singleShot(700, &d, [&] {
        ctx.salva(d, QStringLiteral("TFoAssistImportacao-descompressao"));
        d.CancelBtn()->click();
      });
      Avanca(d);
      TArquivoIni::GravaString(QStringLiteral("Compressao"), QStringLiteral("Biblioteca"), QString());

      TFoAssistImportacao a(indice);
      a.MostraPagina(6);
      ctx.salva(a, QStringLiteral("TFoAssistImportacao-importando"));
      // A stored line that comes again: the panel that asks what to keep.
      TTolv tolv;
      tolv.SetAnoCalendario(QStringLiteral("2013"));
      TTolvItem base(tolv, tolv), importado(tolv, tolv), soma(tolv, tolv);
      importado.GetBeneficiario().SetNi(kAna);
      importado.GetCodigoRetencao().SetCodigo(QStringLiteral("0561"));
      for (int mes = 1; mes <= 12; ++mes) {
        base.GetTributaveis().GetRendimento(mes).SetValorMonetario(Valor::deCentavos(350000));
        base.GetTributaveis().GetRetido(mes).SetValorMonetario(Valor::deCentavos(21000));
        importado.GetTributaveis().GetRendimento(mes).SetValorMonetario(Valor::deCentavos(120000));
        importado.GetTributaveis().GetDeducao(mes).SetValorMonetario(Valor::deCentavos(11000));
      }
      QTimer::singleShot(0, &a, [&] {
        a.findChild<QRadioButton*>(QStringLiteral("RBComplementa"))->setChecked(true);
        ctx.salva(a, QStringLiteral("TFoAssistImportacao-conflito"));
        Avanca(a);
      });
      uint8_t todos = 0;
      a.DecideAcaoTolvItem(base, importado, soma, todos);
      a.hide();
    }
    {
      // A written declaration without the outside library.
      QFile escrita(dir + QStringLiteral("/antiga.D10"));
      if (escrita.open(QIODevice::WriteOnly)) escrita.write("TOLVCMP\r\n");
      escrita.close();
      TFoAssistImportacao a(indice);
      Avanca(a);
      a.findChild<QLineEdit*>(QStringLiteral("EdArquivo"))->setText(escrita.fileName());
      Avanca(a);
      ctx.salva(a, QStringLiteral("TFoAssistImportacao-erro"));
      a.hide();
    }
    {
      // The income-statement pages.
      TFoAssistImportacao a(indice);
      a.resize(760, 420);
      a.AbreDeclaracoes();
      a.Importacao().DefineArquivo(ArquivoComprovantes(dir));
      a.EntraNoEstado(8);
      ctx.salva(a, QStringLiteral("TFoAssistImportacao-declaracoes"));
      Avanca(a);
      ctx.salva(a, QStringLiteral("TFoAssistImportacao-amostracomprovante"));
      Avanca(a);
      ctx.salva(a, QStringLiteral("TFoAssistImportacao-comprovantes"));
      a.hide();
      ExecutaErrosImportComprovante(a.RaizLogComprovante(), a.RejeitadosComprovante(), [&](relatorio::Relatorio& rel) {
        QLabel pagina;
        pagina.setPixmap(telas::PrimeiraPagina(rel));
        pagina.resize(pagina.pixmap().size());
        ctx.salva(pagina, QStringLiteral("RelatorioErrosComprovante"));
      });
    }
  }
  TColecao::FechaConexoes();
  pasta.reset();
  Pastas::definePrograma(ctx.pasta().caminho());
}
