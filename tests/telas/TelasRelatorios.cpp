#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "Telas.h"
#include "controles/TFoPreview.h"
#include "controles/TListaDeclaracoes.h"
#include "entrega/TFrPesquisaDeclaracoes.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/integridade/EnvelopeTolv.h"
#include "plataforma/relatorio/DesenhoPagina.h"
#include "plataforma/relatorio/FonteRelatorio.h"
#include "plataforma/relatorio/PaginasRelatorio.h"
#include "plataforma/relatorio/Relatorio.h"
#include "plataforma/sistema/Pastas.h"
#include "relatorios/TRelatorioDeclaracao.h"
#include "relatorios/gui/SaidaJanelas.h"
#include "relatorios/gui/TFoAssistRelatorios.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

void Cria(TColecaoTolv& indice, const QString& ni, const QString& nome, const std::function<void(TTolv&)>& completa = {}) {
  TErros erros;
  TTolv t;
  t.SetErros(&erros);
  t.GetContribuinte().SetNi(ni);
  t.GetContribuinte().GetNome().SetValor(nome);
  if (ni.size() == 14) {
    t.GetEstabelecimentoResponsavel().SetNi(ni);
    t.SetNatureza(t.GetNaturezas().BuscaNatureza(0));
  }
  if (completa) completa(t);
  indice.Inclui(t);
  t.LiberaItens();
}

void Escreve(const QString& arquivo, const QByteArray& declarante, bool recibo) {
  QDir().mkpath(QFileInfo(arquivo).absolutePath());
  QFile f(arquivo);
  if (!f.open(QIODevice::WriteOnly)) return;
  f.write("TOLV|2014|2013|N|\r\nRESPO|11144477735|ANA|\r\n" + declarante + "\r\nFIMTOLV|\r\n");
  f.close();
  EnvelopeTolv envelope;
  envelope.Abrir(1, arquivo);
  envelope.SetValor(QStringLiteral("controle_bvd"), QStringLiteral("1234567890"));
  envelope.SalvarEnvelope();
  if (recibo) {
    QFile r(QString(arquivo).replace(QStringLiteral(".DEC"), QStringLiteral(".REC")));
    if (r.open(QIODevice::WriteOnly)) r.write("recibo");
  }
}

// The shared pieces of the declaration reports with a few lines, as a report of the next issues
// would build them.
class RelatorioDaMoldura : public TRelatorioDeclaracao {
 public:
  RelatorioDaMoldura(TColecaoTolv& indice, bool bandaDeclarante)
      : TRelatorioDeclaracao(indice, {QStringLiteral("FoRelatoMoldura"), QStringLiteral("Declaração completa"),
                                      QPageLayout::Landscape, true, true}),
        m_banda(bandaDeclarante) {}
  void Monta() override {
    MontaCabecalho({m_banda ? TextosRelatorio::RegraEvento::B : TextosRelatorio::RegraEvento::A, !m_banda, true});
    if (m_banda) MontaBandaDeclarante();
    MontaRodape();
    relatorio::Relatorio& rel = Relatorio();
    rel.proximoRegistro = [this] { return ++m_linha <= 60; };
    relatorio::Banda& detalhe = rel.detalhe();
    detalhe.setAltura(18);
    detalhe.setFonte(relatorio::FonteRelatorio(8));
    detalhe.campo(QRectF(0, 0, 400, 18), [this] { return QStringLiteral("Linha do relatório %1").arg(m_linha); });
  }

 protected:
  void Reinicia() override { m_linha = 0; }

 private:
  bool m_banda;
  int m_linha = 0;
};

// The first page of a report at its size, and in the preview window.
void Desenha(telas::Contexto& ctx, TColecaoTolv& indice, const TTolv& tolv, bool banda, const QString& nome) {
  RelatorioDaMoldura r(indice, banda);
  if (!r.Carrega(tolv)) return;
  r.Prepara();
  relatorio::PaginasRelatorio paginas;
  r.Relatorio().prepara(paginas);
  const QSizeF folha = r.Relatorio().folha().size();
  QImage imagem((folha * 1.25).toSize(), QImage::Format_RGB32);
  imagem.fill(Qt::white);
  {
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    relatorio::DesenhaPagina(p, paginas.pagina(1), 1.25);
  }
  QLabel pagina;
  pagina.setPixmap(QPixmap::fromImage(imagem));
  pagina.resize(imagem.size());
  ctx.salva(pagina, nome);
  TFoPreview preview;
  preview.resize(1100, 760);
  preview.DefineRelatorio(&r.Relatorio());
  preview.show();
  preview.Prepara();
  ctx.salva(preview, QStringLiteral("TFoPreview-") + nome);
  preview.hide();
}

}  // namespace

TOLV_TELAS(Relatorios) {
  // A program folder of the pictures' own: the declarations made here are theirs alone.
  auto pasta = std::make_unique<PastaProgramaTemp>(true);
  FalhaBanco = FalhaBancoIndice = false;
  InstalaSaidaJanelas();
  {
    TColecaoTolv indice;
    Cria(indice, QStringLiteral("11444777000161"), QStringLiteral("COMERCIAL DE ALIMENTOS BOA MESA LTDA"), [](TTolv& t) {
      t.SetTipoDeclaracao(QStringLiteral("R"));
      t.SetSituacaoEspecial(1);
      t.SetDataEvento(QStringLiteral("31/10/2013"));
      t.GetRespCnpj().SetNi(QStringLiteral("11144477735"));
      TResponsavel& r = t.GetResponsavel();
      r.SetNi(QStringLiteral("52998224725"));
      r.GetNome().SetValor(QStringLiteral("MARIA DA CONCEIÇÃO SILVA"));
      r.GetFone().GetDDD().SetValor(QStringLiteral("61"));
      r.GetFone().GetNumero().SetValor(QStringLiteral("33334444"));
      r.GetFone().GetRamal().SetValor(QStringLiteral("210"));
      r.GetFax().GetNumero().SetValor(QStringLiteral("33335555"));
      r.GetEmail().SetValor(QStringLiteral("MARIA.SILVA@BOAMESA.COM.BR"));
    });
    Cria(indice, QStringLiteral("11144477735"), QStringLiteral("ANA MARIA DE SOUZA"));
    Cria(indice, QStringLiteral("33000167000101"),
         QStringLiteral("COMPANHIA DE ABASTECIMENTO E DISTRIBUICAO DE PRODUTOS ALIMENTICIOS E BEBIDAS DO PLANALTO "
                        "CENTRAL E DAS REGIOES NORTE E NORDESTE SOCIEDADE ANONIMA"));
    indice.Atualiza();

    // The report frame's first page: the heading with the declarant, and the declarant band.
    TErros erros;
    TTolv chamador;
    chamador.SetErros(&erros);
    chamador.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
    chamador.SetAnoCalendario(QStringLiteral("2013"));
    Desenha(ctx, indice, chamador, true, QStringLiteral("TRelatorioDeclaracao-bandaDeclarante"));
    TTolv longa;
    longa.SetErros(&erros);
    longa.GetContribuinte().SetNi(QStringLiteral("33000167000101"));
    longa.SetAnoCalendario(QStringLiteral("2013"));
    Desenha(ctx, indice, longa, false, QStringLiteral("TRelatorioDeclaracao"));

    TTolv tolv;
    tolv.SetErros(&erros);
    {
      TFoAssistRelatorios a(5, false, tolv, indice);
      a.setWindowTitle(EscolhasImpressao::Legenda(QStringLiteral("Lista de beneficiários")));
      a.Inicia();
      ctx.salva(a, QStringLiteral("TFoAssistRelatorios"));
      a.Lista()->edtNome()->setFocus();
      a.Lista()->edtNome()->setText(QStringLiteral("com"));
      ctx.salva(a, QStringLiteral("TFoAssistRelatorios-filtro"));
      a.hide();
    }
    {
      QTemporaryDir raiz;
      const QString pastaArquivos = raiz.filePath(QStringLiteral("entregues"));
      Escreve(pastaArquivos + QStringLiteral("/11144477735-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
              "DECPF|11144477735|ANA MARIA DE SOUZA|", true);
      Escreve(pastaArquivos + QStringLiteral("/11444777000161-TOLV-2014-2013-RETIF-NORMAL.DEC"),
              "DECPJ|11444777000161|COMERCIAL DE ALIMENTOS BOA MESA LTDA|", true);
      Escreve(pastaArquivos + QStringLiteral("/33000167000101-TOLV-2014-2013-ORIGI-NORMAL.DEC"),
              "DECPJ|33000167000101|PETROLEO DO CERRADO SA|", false);
      TFoAssistRelatorios a(2, false, tolv, indice);
      a.setWindowTitle(EscolhasImpressao::Legenda(QStringLiteral("Recibo de entrega")));
      a.Inicia();
      a.EdArquivo()->setText(pastaArquivos);
      ctx.salva(a, QStringLiteral("TFoAssistRelatorios-local"));
      a.BotaoAvancarOnClick();
      a.Pesquisa()->AlternaSelecao(1);
      ctx.salva(a, QStringLiteral("TFoAssistRelatorios-recibos"));
      a.hide();
    }
    {
      TTolv aberta;
      aberta.SetErros(&erros);
      aberta.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
      aberta.SetAnoCalendario(QStringLiteral("2013"));
      indice.CarregaTolv(aberta);
      TFoAssistRelatorios a(4, true, aberta, indice);
      a.Inicia();
      ctx.salva(a, QStringLiteral("TFoAssistRelatorios-beneficiario"));
      a.Finaliza();
      a.hide();
      aberta.LiberaItens();
    }
    {
      // The output choice: never shown in a run (the settings file holds it), drawn all the same.
      TFoAssistRelatorios a(9, false, tolv, indice);
      a.Inicia();
      a.ExecutaEstado();
      ctx.salva(a, QStringLiteral("TFoAssistRelatorios-saida"));
      a.hide();
    }
    tolv.LiberaItens();
  }
  InstalaSaidaRelatorio(nullptr);
  TColecao::FechaConexoes();
  pasta.reset();
  // The groups after these go on in the shared program folder.
  Pastas::definePrograma(ctx.pasta().caminho());
}
