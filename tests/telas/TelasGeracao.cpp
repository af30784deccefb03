#include <QComboBox>
#include <QFile>
#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

#include "Telas.h"
#include "entrega/ArquivoDeclaracao.h"
#include "entrega/ISecoesVerificacao.h"
#include "entrega/TFoAssistGeracao.h"
#include "entrega/TFrTolvVerifica.h"
#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/ETolvError.h"
#include "nucleo/Erros.h"
#include "nucleo/Pendencia.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/sistema/Pastas.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/UnidadesFalsas.h"

namespace {

// A clean verification, or one with a finding of each kind.
class SecoesDaTela : public ISecoesVerificacao {
 public:
  explicit SecoesDaTela(bool comErros) : m_comErros(comErros) {}
  bool Verificar(TTolv&, TErros& erros, TVerificacaoPendencias& v, int& contador) override {
    contador += 12;
    v.IncluiTitulo(QStringLiteral("10Beneficiários"));
    if (m_comErros) {
      AdicionaPendencia<ETolvError>(erros, 59, {}, 1, QStringLiteral("1"), QStringLiteral("9"), 25);
      AdicionaPendencia<ETolvError>(erros, 59, {}, 0, QStringLiteral("1"), QStringLiteral("9"), 25);
      v.IncluiErros(erros);
      erros.Limpa();
    }
    return !m_comErros;
  }

 private:
  bool m_comErros;
};

}  // namespace

TOLV_TELAS(Geracao) {
  auto pasta = std::make_unique<PastaProgramaTemp>(true);
  // Written files go to a home drive of the pictures' own.
  QTemporaryDir casa;
  UnidadesFalsas unidades{{Unidade{casa.path(), TipoUnidade::Fixa, QStringLiteral("casa"), true}}};
  // The transmission program is the tests' stand-in, in a system folder of the pictures' own.
  QTemporaryDir sistema, programa;
  const QByteArray sistemaAntes = qgetenv("TOLV_PASTA_SISTEMA");
  qputenv("TOLV_PASTA_SISTEMA", sistema.path().toUtf8());
  {
    QFile ini(sistema.filePath(QStringLiteral("kal-von.ini")));
    if (ini.open(QIODevice::WriteOnly))
      ini.write("[Kal-Von]\r\nVersao=200801\r\nPath=" + programa.path().toUtf8() + "\r\n");
    QFile::copy(QStringLiteral(TOLV_VELDRA_FALSA), programa.filePath(QStringLiteral("VELDRA21.DLL")));
  }
  const QString gravado = casa.path() + QStringLiteral("/Declaracoes Gravadas BVD/Tolv2014/11444777000161/2013/"
                                                       "11444777000161-TOLV-2014-2013-ORIGI-NORMAL.DEC");
  {
    TErros erros;
    TTolv tolv;
    tolv.SetErros(&erros);
    tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
    tolv.GetContribuinte().GetNome().SetValor(QStringLiteral("PADARIA PAO QUENTE LTDA"));
    tolv.GetEstabelecimentoResponsavel().SetNi(QStringLiteral("11444777000161"));
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    tolv.SetTipoDeclaracao(QStringLiteral("O"));
    tolv.SetNatureza(tolv.GetNaturezas().BuscaNatureza(0));
    tolv.GetResponsavel().SetNi(QStringLiteral("98765432100"));
    tolv.GetResponsavel().GetNome().SetValor(QStringLiteral("FULANO DE TAL"));
    TColecaoTolv colecao;
    colecao.Inclui(tolv);
    SecoesDaTela limpa(false), comErros(true);
    {
      TFoAssistGeracao a(nullptr, tolv, colecao);
      a.FrTolvVerifica().Verificacao().SetSecoes(&limpa);
      ctx.salva(a, QStringLiteral("TFoAssistGeracao"));
      a.findChild<QComboBox*>(QStringLiteral("DBLCUF"))->setEditText(QStringLiteral("SP"));
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-uf"));
      a.BtnAvancarClick();
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-verificacao"));
      a.BtnAvancarClick();
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-local"));
      // The writing page as it shows while the writer works.
      a.MostraPagina(4);
      a.findChild<QProgressBar*>(QStringLiteral("GaugeGravando1"))->setValue(40);
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-gravando"));
      a.MostraPagina(3);
      a.BtnAvancarClick();
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-transmitir"));
      a.findChild<QRadioButton*>(QStringLiteral("RBSim"))->click();
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-transmitirsim"));
      // The program accepts the file and writes its receipt beside it.
      a.BtnAvancarClick();
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-transmissao"));
      a.BtnAvancarClick();
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-sucesso"));
      a.MostraPagina(9);
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-recibo"));
      a.MostraPagina(10);
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-certificado"));
      a.hide();
    }
    {
      // The program refuses the file: its failure line and message; then no program at all.
      QFile::remove(ArquivoDeclaracao::TrocaExtensao(gravado, QStringLiteral("REC")));
      QFile resposta(gravado + QStringLiteral(".resposta"));
      if (resposta.open(QIODevice::WriteOnly))
        resposta.write("99\nDeclara\xE7\xE3o recusada: assinatura digital inv\xE1lida.");
      resposta.close();
      for (const bool instalado : {true, false}) {
        if (!instalado) QFile::remove(sistema.filePath(QStringLiteral("kal-von.ini")));
        QFile::remove(gravado);
        TFoAssistGeracao a(nullptr, tolv, colecao);
        a.FrTolvVerifica().Verificacao().SetSecoes(&limpa);
        a.findChild<QComboBox*>(QStringLiteral("DBLCUF"))->setEditText(QStringLiteral("SP"));
        a.BtnAvancarClick();
        a.BtnAvancarClick();
        a.BtnAvancarClick();
        a.findChild<QRadioButton*>(QStringLiteral("RBSim"))->click();
        a.BtnAvancarClick();
        ctx.salva(a, instalado ? QStringLiteral("TFoAssistGeracao-transmissaorecusada")
                               : QStringLiteral("TFoAssistGeracao-transmissaosemprograma"));
        a.hide();
      }
      resposta.remove();
    }
    {
      // Written already and a receipt beside it: page 6 with the receipt text.
      TFoAssistGeracao a(nullptr, tolv, colecao);
      a.FrTolvVerifica().Verificacao().SetSecoes(&limpa);
      a.findChild<QComboBox*>(QStringLiteral("DBLCUF"))->setEditText(QStringLiteral("SP"));
      a.BtnAvancarClick();
      a.BtnAvancarClick();
      QFile rec(QString(casa.path() + QStringLiteral("/Declaracoes Gravadas BVD/Tolv2014/11444777000161/2013/"
                                                     "11444777000161-TOLV-2014-2013-ORIGI-NORMAL.REC")));
      if (rec.open(QIODevice::WriteOnly)) rec.close();
      a.BtnAvancarClick();
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-reciboexistente"));
      a.hide();
    }
    {
      TFoAssistGeracao a(nullptr, tolv, colecao);
      a.FrTolvVerifica().Verificacao().SetSecoes(&comErros);
      a.findChild<QComboBox*>(QStringLiteral("DBLCUF"))->setEditText(QStringLiteral("SP"));
      a.BtnAvancarClick();
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-verificacaoerros"));
      a.BtnAvancarClick();
      ctx.salva(a, QStringLiteral("TFoAssistGeracao-erros"));
      a.hide();
    }
    tolv.LiberaItens();
  }
  TColecao::FechaConexoes();
  pasta.reset();
  Pastas::definePrograma(ctx.pasta().caminho());
  qputenv("TOLV_PASTA_SISTEMA", sistemaAntes);
}
